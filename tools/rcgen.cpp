// Writes the Windows build's resource script and icon file from the program's resource data:
//   korvlink_rcgen OUTPUT_DIR   ->  OUTPUT_DIR/korvlink.rc, OUTPUT_DIR/korvlink.ico

#include <cstdio>
#include <fstream>
#include <string>

#include "platform/win32/resource_script.h"
#include "ui/resources.h"

namespace {

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const std::string directory = argv[1];
    ResourceScriptInput input;
    input.dialogs = AllDialogTemplates();
    input.strings = StringTable();
    input.icons = {{&ProgramIcon(), "korvlink.ico"}};
    input.version = ProgramVersionInfo();
    if (!WriteFile(directory + "/korvlink.ico", IconFile(ProgramIcon())) ||
        !WriteFile(directory + "/korvlink.rc", ResourceScript(input))) {
        std::fprintf(stderr, "%s: cannot write to %s\n", argv[0], directory.c_str());
        return 1;
    }
    return 0;
}
