// Generates files from the program's resource data on the build machine:
//   korvlink_resgen windows DIR   DIR/korvlink.rc and DIR/korvlink.ico, for the Windows build
//   korvlink_resgen icons DIR     DIR/<N>x<N>/apps/korvlink.png, the desktop icon theme's sizes

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win32/resource_script.h"
#include "png_file.h"
#include "ui/resources.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out.flush());
}

bool WriteWindowsResources(const std::filesystem::path& directory) {
    ResourceScriptInput input;
    input.dialogs = AllDialogTemplates();
    input.strings = StringTable();
    input.icons = {{&ProgramIcon(), "korvlink.ico"}};
    input.version = ProgramVersionInfo();
    return WriteFile(directory / "korvlink.ico", IconFile(ProgramIcon())) &&
           WriteFile(directory / "korvlink.rc", ResourceScript(input));
}

// Every size from the image that divides it evenly, the smallest image first: pixel art only
// scales by whole pixels.
bool WriteThemeIcons(const std::filesystem::path& directory) {
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const IconImage* source = nullptr;
        for (const IconImage& image : ProgramIcon().images) {
            if (size % image.size == 0 && (source == nullptr || image.size < source->size)) source = &image;
        }
        if (source == nullptr) continue;
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        if (!WriteFile(directory / name / "apps" / "korvlink.png", IconPng(*source, size / source->size))) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string what = argc == 3 ? argv[1] : "";
    if (what != "windows" && what != "icons") {
        std::fprintf(stderr, "usage: %s windows|icons OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const bool ok = what == "windows" ? WriteWindowsResources(argv[2]) : WriteThemeIcons(argv[2]);
    if (!ok) std::fprintf(stderr, "%s: cannot write to %s\n", argv[0], argv[2]);
    return ok ? 0 : 1;
}
