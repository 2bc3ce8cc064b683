// The GTK user interface's pure rules: dialog units, mnemonics, line breaks, file patterns.

#include <gtest/gtest.h>

#include "platform/gtk/dialog_units.h"
#include "platform/gtk/file_patterns.h"
#include "platform/gtk/label_text.h"

namespace {

TEST(DialogUnits, ConvertAsWindowsDoes) {
    // MS Sans Serif 8 at 96 dpi measures 286 pixels for the alphabet: base units 6 x 13.
    EXPECT_EQ(AverageCharWidth(286), 6);
    EXPECT_EQ(AverageCharWidth(311), 6);
    EXPECT_EQ(AverageCharWidth(338), 7);

    struct Case {
        int value, numerator, denominator, result;
    };
    const Case mulDiv[] = {
        {233, 6, 4, 350}, {7, 13, 8, 11}, {1, 1, 2, 1},  // halves round away from zero
        {-1, 1, 2, -1},   {-3, 5, 2, -8}, {3, -5, 2, -8}, {4, 5, 0, -1},
    };
    for (const Case& c : mulDiv) {
        EXPECT_EQ(MulDiv(c.value, c.numerator, c.denominator), c.result)
            << c.value << " * " << c.numerator << " / " << c.denominator;
    }

    const DialogRect okButton = DialogUnitsToPixels({233, 7, 50, 14}, {6, 13});
    EXPECT_EQ(okButton.x, 350);
    EXPECT_EQ(okButton.y, 11);
    EXPECT_EQ(okButton.width, 75);
    EXPECT_EQ(okButton.height, 23);
}

TEST(LabelText, WindowsMnemonicsBecomeGtkMnemonics) {
    const std::pair<std::string, std::string> cases[] = {
        {"&Help", "_Help"},
        {"&About korvlink...", "_About korvlink..."},
        {"Fish && Chips", "Fish & Chips"},
        {"snake_case", "snake__case"},
        {"&_", "___"},
        {"trailing&", "trailing"},
        {"", ""},
    };
    for (const auto& [windows, gtk] : cases) EXPECT_EQ(GtkMnemonicText(windows), gtk) << windows;
}

TEST(LabelText, LineBreaksBecomeLineFeeds) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb", "a\nb"}, {"a\r\n\r\nb", "a\n\nb"}, {"a\rb", "a\nb"}, {"a\nb", "a\nb"}, {"end\r", "end\n"},
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(UnixLineBreaks(text), shown);
}

TEST(FilePatterns, MatchAsWindowsDoes) {
    struct Case {
        std::string patterns, name;
        bool matches;
    };
    const Case cases[] = {
        {"*.exe", "korvo.exe", true},     {"*.exe", "KORVO.EXE", true},   {"*.exe", "korvo", false},
        {"*.exe", "korvo.exe.txt", false}, {"*.*", "korvo", true},         {"*.*", ".hidden", true},
        {"*.exe;*.com", "a.com", true},    {"*.exe; *.com", "a.com", true}, {"k?rvo*", "korvo.exe", true},
        {"k?rvo", "kvo", false},           {"", "korvo", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileMatchesPatterns(c.patterns, c.name), c.matches) << c.patterns << " " << c.name;
    }

    // Linux programs have no extension: a filter of Windows programs also shows executables.
    const std::pair<std::string, bool> programs[] = {
        {"*.exe", true}, {"*.EXE", true}, {"*.txt;*.com", true}, {"*.*", false}, {"*.exe.txt", false},
    };
    for (const auto& [patterns, namePrograms] : programs) EXPECT_EQ(PatternsNamePrograms(patterns), namePrograms) << patterns;
}

}  // namespace
