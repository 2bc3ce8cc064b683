#include "platform/win32/resource_script.h"

#include <cstdint>

#include <gtest/gtest.h>

#include "ui/resource.h"
#include "ui/resources.h"

namespace {

using namespace std::string_literals;

unsigned Word(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}
std::uint32_t Long(const std::string& bytes, std::size_t at) { return Word(bytes, at) | (Word(bytes, at + 2) << 16); }

TEST(ResourceScript, DialogInitDataHoldsOneRecordPerPresetThenAZeroId) {
    EXPECT_EQ(DialogInitData(SetupDialogTemplate()),
              "\xED\x03\x03\x04\x0C\0\0\0Wordpad.exe\0"
              "\xED\x03\x03\x04\x0C\0\0\0Notepad.exe\0"
              "\xED\x03\x03\x04\x0A\0\0\0Write.exe\0"
              "\0\0"s);
    EXPECT_EQ(DialogInitData(AboutDialogTemplate()), "\0\0"s);
}

// Reads the icon file back, pixel by pixel, and compares it with the art it came from.
TEST(ResourceScript, IconFileHoldsEveryImageOfTheArt) {
    const IconArt& art = ProgramIcon();
    const std::string file = IconFile(art);
    ASSERT_EQ(Word(file, 0), 0u);
    ASSERT_EQ(Word(file, 2), 1u);
    ASSERT_EQ(Word(file, 4), art.images.size());
    for (std::size_t i = 0; i < art.images.size(); ++i) {
        const IconImage& image = art.images[i];
        const std::size_t entry = 6 + 16 * i;
        SCOPED_TRACE(image.size);
        EXPECT_EQ(static_cast<unsigned char>(file[entry]), image.size);
        EXPECT_EQ(Word(file, entry + 6), 4u);  // bits a pixel
        const std::size_t bitmap = Long(file, entry + 12);
        EXPECT_EQ(Long(file, bitmap + 8), static_cast<std::uint32_t>(image.size * 2));
        const std::size_t pixels = bitmap + 40 + 16 * 4;
        const std::size_t colourStride = ((image.size * 4 + 31) / 32) * 4;
        const std::size_t mask = pixels + colourStride * image.size;
        const std::size_t maskStride = ((image.size + 31) / 32) * 4;
        for (int y = 0; y < image.size; ++y) {
            const std::size_t row = image.size - 1 - y;  // bottom-up
            for (int x = 0; x < image.size; ++x) {
                const char pixel = image.rows[y][x];
                const unsigned char packed = file[pixels + row * colourStride + x / 2];
                const int index = x % 2 == 0 ? packed >> 4 : packed & 0x0F;
                const bool transparent = (static_cast<unsigned char>(file[mask + row * maskStride + x / 8]) & (0x80 >> (x % 8))) != 0;
                EXPECT_EQ(transparent, pixel == '.') << x << "," << y;
                if (pixel != '.') {
                    EXPECT_EQ(index, std::stoi(std::string(1, pixel), nullptr, 16)) << x << "," << y;
                }
            }
        }
    }
}

TEST(ResourceScript, TextsSurviveAnyByte) {
    DialogTemplate dialog{7, false, "say \"hi\" \\ caf\xC3\xA9\n", 0, 0, {0, 0, 10, 10}, "F", 8, {}, {}};
    const std::string script = ResourceScript({{&dialog}, {}, {}, ProgramVersionInfo()});
    EXPECT_NE(script.find("CAPTION \"say \"\"hi\"\" \\\\ caf\\303\\251\\012\""), std::string::npos) << script;
}

}  // namespace
