#include "platform/common/combo_list.h"

#include <gtest/gtest.h>

namespace {

// Expected values as a real sorted drop-down combo box gives them.
TEST(ComboList, FindsTheFirstEntryThatBeginsWithTheTextIgnoringCase) {
    ComboList sorted(true);
    EXPECT_EQ(sorted.Add("Wordpad.exe"), 0);
    EXPECT_EQ(sorted.Add("Notepad.exe"), 0);
    EXPECT_EQ(sorted.Add("Write.exe"), 2);
    EXPECT_EQ(sorted.Items(), (std::vector<std::string>{"Notepad.exe", "Wordpad.exe", "Write.exe"}));

    ComboList unsorted(false);
    for (const char* item : {"Wordpad.exe", "Notepad.exe", "Write.exe"}) unsorted.Add(item);

    struct Case {
        std::string text;
        int sortedIndex, exactIndex, unsortedIndex;
    };
    const Case cases[] = {
        {"notepad.exe", 0, 0, 1}, {"Word", 1, -1, 0},           {"", -1, -1, -1},
        {"Notepad.exe /p", -1, -1, -1}, {"w", 1, -1, 0},         {"W", 1, -1, 0},
        {"wr", 2, -1, 2},         {"note", 0, -1, 1},            {"notepad.exe ", -1, -1, -1},
        {" notepad.exe", -1, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(sorted.FindPrefix(-1, c.text), c.sortedIndex);
        EXPECT_EQ(sorted.FindExact(-1, c.text), c.exactIndex);
        EXPECT_EQ(unsorted.FindPrefix(-1, c.text), c.unsortedIndex);
    }
    // A search starts after the given entry and wraps round.
    EXPECT_EQ(sorted.FindPrefix(1, "w"), 2);
    EXPECT_EQ(sorted.FindPrefix(2, "w"), 1);
}

TEST(ComboList, SortsAsTheSortedListDoes) {
    ComboList list(true);
    for (const char* item : {"coop", "co-op", "cob", "Co_x", "_a", "10", "9", "1", "Z", "a", "abc", "ABC",
                             "a b", "ab", "it's", "its", "f", "abc"}) {
        list.Add(item);
    }
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"_a", "1", "10", "9", "a", "a b", "ab", "ABC", "abc", "abc",
                                                      "Co_x", "cob", "coop", "co-op", "f", "its", "it's", "Z"}));
    // An entry equal to one ignoring case goes in front of it.
    ComboList again(true);
    again.Add("abc");
    EXPECT_EQ(again.Add("ABC"), 0);
    EXPECT_EQ(again.Add("abc"), 1);
}

}  // namespace
