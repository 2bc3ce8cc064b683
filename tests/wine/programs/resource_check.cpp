// Checks the resources that KORVLINK.EXE carries against the resource data they are generated
// from, reading the executable as Windows reads it (loaded as a data file): the setup dialog is an
// extended template, its list data (type 240) holds the presets' records, the About box is a plain
// template, the string table, the version resource's strings exactly, and both images of the icon.
//
//   korvlink_resource_check KORVLINK.EXE

#include <cstdint>

#include "platform/win32/resource_script.h"
#include "ui/resource.h"
#include "ui/resources.h"
#include "windows_test_support.h"

namespace {

std::optional<std::string> ResourceBytes(HMODULE module, LPCSTR type, int id) {
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (found == nullptr) return std::nullopt;
    const HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) return std::nullopt;
    return std::string(static_cast<const char*>(bytes), SizeofResource(module, found));
}

unsigned Word(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}
std::uint32_t Long(const std::string& bytes, std::size_t at) { return Word(bytes, at) | (Word(bytes, at + 2) << 16); }

// An extended dialog template begins with version 1 and the signature 0xFFFF.
bool IsExtendedTemplate(const std::string& bytes) {
    return bytes.size() >= 4 && Word(bytes, 0) == 1 && Word(bytes, 2) == 0xFFFF;
}

// One block of a version resource: its key, its value and its children.
struct VersionBlock {
    std::string key;
    std::string value;  // text values as 8-bit text up to their first NUL, others as bytes
    std::vector<VersionBlock> children;
};

std::size_t Aligned(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

// Text of UTF-16 units from `at` up to a NUL or `end`; sets `at` past the NUL.
std::string Utf16Text(const std::string& bytes, std::size_t& at, std::size_t end) {
    std::string text;
    while (at + 1 < end) {
        const unsigned unit = Word(bytes, at);
        at += 2;
        if (unit == 0) break;
        text += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return text;
}

std::optional<VersionBlock> ParseVersionBlock(const std::string& bytes, std::size_t at, std::size_t* next) {
    if (at + 6 > bytes.size()) return std::nullopt;
    const std::size_t length = Word(bytes, at);
    const std::size_t valueLength = Word(bytes, at + 2);
    const bool textValue = Word(bytes, at + 4) == 1;
    const std::size_t end = at + length;
    if (length < 6 || end > bytes.size()) return std::nullopt;
    VersionBlock block;
    std::size_t offset = at + 6;
    block.key = Utf16Text(bytes, offset, end);
    offset = Aligned(offset);
    if (textValue) {
        std::size_t valueEnd = std::min(end, offset + valueLength * 2);
        std::size_t text = offset;
        block.value = Utf16Text(bytes, text, valueEnd);
        offset += valueLength * 2;
    } else {
        block.value = bytes.substr(offset, std::min(valueLength, end - offset));
        offset += valueLength;
    }
    offset = Aligned(offset);
    while (offset < end) {
        std::size_t after = 0;
        const std::optional<VersionBlock> child = ParseVersionBlock(bytes, offset, &after);
        if (!child) return std::nullopt;
        block.children.push_back(*child);
        offset = Aligned(after);
    }
    *next = end;
    return block;
}

const VersionBlock* Child(const VersionBlock& block, const std::string& key) {
    for (const VersionBlock& child : block.children) {
        if (child.key == key) return &child;
    }
    return nullptr;
}

void CheckDialogs(HMODULE module, Checks& checks) {
    checks.Context("dialogs");
    const std::optional<std::string> setup = ResourceBytes(module, RT_DIALOG, IDD_SETUP_DIALOG);
    const std::optional<std::string> about = ResourceBytes(module, RT_DIALOG, IDD_ABOUTBOX);
    checks.True("the setup dialog is an extended template", setup && IsExtendedTemplate(*setup));
    checks.True("the About box is a plain template", about && !IsExtendedTemplate(*about));

    const std::optional<std::string> listData = ResourceBytes(module, MAKEINTRESOURCEA(240), IDD_SETUP_DIALOG);
    checks.Equal("the setup dialog's list data", listData.value_or("(missing)"),
                 DialogInitData(SetupDialogTemplate()));
    checks.True("the About box has no list data", !ResourceBytes(module, MAKEINTRESOURCEA(240), IDD_ABOUTBOX));
}

void CheckStrings(HMODULE module, Checks& checks) {
    checks.Context("strings");
    for (const auto& [id, text] : StringTable()) {
        char loaded[1024] = {};
        LoadStringA(module, static_cast<UINT>(id), loaded, sizeof loaded);
        checks.Equal("string " + std::to_string(id), std::string(loaded), text);
    }
}

void CheckVersion(HMODULE module, Checks& checks) {
    checks.Context("version");
    const std::optional<std::string> bytes = ResourceBytes(module, RT_VERSION, 1);
    std::size_t end = 0;
    const std::optional<VersionBlock> root = bytes ? ParseVersionBlock(*bytes, 0, &end) : std::nullopt;
    if (!root) {
        checks.Fail("no readable version resource");
        return;
    }
    const VersionInfo& expected = ProgramVersionInfo();
    const std::string& fixed = root->value;
    checks.True("the fixed part", fixed.size() >= 52 && Long(fixed, 0) == 0xFEEF04BD);
    if (fixed.size() >= 52) {
        const auto version = [&](std::size_t at) {
            return std::to_string(Word(fixed, at + 2)) + "." + std::to_string(Word(fixed, at)) + "." +
                   std::to_string(Word(fixed, at + 6)) + "." + std::to_string(Word(fixed, at + 4));
        };
        const auto dotted = [](const int (&parts)[4]) {
            return std::to_string(parts[0]) + "." + std::to_string(parts[1]) + "." + std::to_string(parts[2]) + "." +
                   std::to_string(parts[3]);
        };
        checks.Equal("file version", version(8), dotted(expected.fileVersion));
        checks.Equal("product version", version(16), dotted(expected.productVersion));
    }

    const VersionBlock* stringInfo = Child(*root, "StringFileInfo");
    const VersionBlock* table = stringInfo != nullptr ? Child(*stringInfo, expected.block) : nullptr;
    checks.True("a string table " + expected.block, table != nullptr);
    if (table != nullptr) {
        std::vector<std::string> actual, wanted;
        for (const VersionBlock& entry : table->children) actual.push_back(entry.key + "=" + entry.value);
        for (const auto& [key, value] : expected.strings) wanted.push_back(key + "=" + value);
        checks.Equal("exactly these strings", actual, wanted);
    }
    const VersionBlock* varInfo = Child(*root, "VarFileInfo");
    const VersionBlock* translation = varInfo != nullptr ? Child(*varInfo, "Translation") : nullptr;
    checks.True("the translation", translation != nullptr && translation->value.size() == 4 &&
                                       Word(translation->value, 0) == expected.language &&
                                       Word(translation->value, 2) == expected.codePage);
}

void CheckIcon(HMODULE module, Checks& checks) {
    checks.Context("icon");
    const std::optional<std::string> group = ResourceBytes(module, RT_GROUP_ICON, IDR_MAINFRAME);
    if (!group || group->size() < 6) {
        checks.Fail("no icon group " + std::to_string(IDR_MAINFRAME));
        return;
    }
    std::vector<std::string> actual, wanted;
    for (const IconImage& image : ProgramIcon().images) {
        wanted.push_back(std::to_string(image.size) + "x" + std::to_string(image.size) + ", 16 colours");
    }
    // Each entry: width, height, colours, reserved, planes, bits a pixel, size, the image's id.
    for (std::size_t i = 0, count = Word(*group, 4); i < count && 6 + 14 * (i + 1) <= group->size(); ++i) {
        const std::size_t at = 6 + 14 * i;
        const auto byte = [&](std::size_t offset) { return static_cast<unsigned char>((*group)[at + offset]); };
        const std::optional<std::string> image = ResourceBytes(module, RT_ICON, static_cast<int>(Word(*group, at + 12)));
        const bool consistent = image && image->size() >= 40 && Long(*image, 4) == byte(0) && Word(*image, 14) == 4;
        actual.push_back(std::to_string(byte(0)) + "x" + std::to_string(byte(1)) + ", " +
                         (byte(2) == 16 && Word(*group, at + 6) == 4 ? "16 colours" : "other colours") +
                         (consistent ? "" : ", image missing or different"));
    }
    checks.Equal("images", actual, wanted);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: korvlink_resource_check KORVLINK.EXE\n");
        return 2;
    }
    const HMODULE module = LoadLibraryExA(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    Checks checks;
    if (module == nullptr) {
        checks.Fail(std::string("cannot load ") + argv[1]);
        return checks.ExitCode();
    }
    CheckDialogs(module, checks);
    CheckStrings(module, checks);
    CheckVersion(module, checks);
    CheckIcon(module, checks);
    FreeLibrary(module);
    std::printf("resources: %d failure(s)\n", checks.Failures());
    return checks.ExitCode();
}
