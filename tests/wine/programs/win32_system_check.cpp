// Win32System on the real Windows API, where KORVLINK.EXE's launcher mode does not reach it or
// reaches only one path: profile writes, the presence probe's cases, and the marker around a
// program start.
//
//   korvlink_win32_system_check RECORDER.EXE

#include "platform/win32/win32_system.h"

#include "windows_test_support.h"

namespace {

constexpr const char kProfile[] = "KORVCHECK.INI";

void CheckProfile(Win32System& system, Checks& checks) {
    checks.Context("profile");
    const std::string file = WindowsDirectory() + "\\" + kProfile;
    DeleteFileA(file.c_str());
    checks.True("a write", system.WriteProfileText(kProfile, "Setup", "Korvo path", "emu\r\n[Evil]\nx=1"));
    const std::string written = "[Setup]\r\nKorvo path=emu  [Evil] x=1\r\n";
    checks.Equal("line breaks in a value are written as blanks", ReadWholeFile(file).value_or(""), written);
    checks.Equal("read back", system.ReadProfileText(kProfile, "Setup", "Korvo path", "DEF"),
                 std::string("emu  [Evil] x=1"));
    checks.True("a key holding '=' is refused", !system.WriteProfileText(kProfile, "Setup", "k=v", "x"));
    checks.True("a section holding a line break is refused", !system.WriteProfileText(kProfile, "S\r\n[T", "k", "x"));
    checks.Equal("refused writes leave the file", ReadWholeFile(file).value_or(""), written);
    checks.Equal("a default less its trailing blanks",
                 system.ReadProfileText(kProfile, "Setup", "Viewer path", " Wordpad.exe  "), std::string(" Wordpad.exe"));
    system.WriteProfileText(kProfile, "Setup", "Long", std::string(5000, 'x'));
    checks.Equal("a long value reads back cut", system.ReadProfileText(kProfile, "Setup", "Long", ""),
                 std::string(4095, 'x'));
}

void CheckPresence(Win32System& system, Checks& checks) {
    checks.Context("presence");
    const std::string windows = WindowsDirectory();
    SetCurrentDirectoryA(windows.c_str());
    struct Row {
        std::string path;
        bool present;
    };
    const Row rows[] = {
        {windows + "\\" + kProfile, true},
        {"c:\\WINDOWS\\korvcheck.ini", true},
        {kProfile, true},  // relative to the current directory
        {windows, true},   // a directory
        {windows + "\\KORVCHECK.*", true},  // a wildcard matches as a directory search does
        {windows + "\\nosuch.ini", false},
        {"C:\\nosuchdir\\x", false},
        {"Q:\\x", false},  // a drive that does not exist
        {"", false},
        {"C:\\" + std::string(400, 'd') + "\\x", false},
    };
    for (const Row& row : rows) {
        checks.Equal("present " + Shown(row.path.substr(0, 60)), std::string(system.PathIsPresent(row.path) ? "yes" : "no"),
                     std::string(row.present ? "yes" : "no"));
    }
}

void CheckStart(Win32System& system, Checks& checks, const std::string& recorder) {
    checks.Context("start");
    const std::string recorded = WindowsDirectory() + "\\korvcheck-recorded.txt";
    const std::string document = WindowsDirectory() + "\\" + kProfile;
    DeleteFileA(recorded.c_str());
    SetEnvironmentVariableA("RECORDER_OUT", recorded.c_str());
    SetEnvironmentVariableA("KORVLINK_OPENED_DOCUMENT", "before");
    const int result = system.StartProgram("\"" + recorder + "\" viewer", kProfile);
    checks.True("a start answers above 31", result > 31);
    checks.Equal("the marker is put back", EnvironmentValue("KORVLINK_OPENED_DOCUMENT").value_or("(unset)"),
                 std::string("before"));
    std::optional<Recorded> seen;
    for (int i = 0; i < 3000 && !(seen = ReadRecorded(recorded)); ++i) Sleep(10);
    checks.True("the program ran", seen.has_value());
    if (seen) {
        checks.Equal("command line", seen->commandLine, "\"" + recorder + "\" viewer \"" + kProfile + "\"");
        checks.Equal("the marker names the full path", seen->marker.value_or("(unset)"), document);
    }
    checks.True("a missing program answers below 32", system.StartProgram("C:\\nosuch\\prog.exe", "x") < 32);

    SetEnvironmentVariableA("KORVLINK_OPENED_DOCUMENT", nullptr);
    checks.True("nothing is handed back without a marker", !system.IsHandedBack(kProfile));
    SetEnvironmentVariableA("KORVLINK_OPENED_DOCUMENT", "C:\\WINDOWS\\korvcheck.INI");
    checks.True("the same document in another case is handed back", system.IsHandedBack(kProfile));
    checks.True("another document is not", !system.IsHandedBack("other.ini"));
    SetEnvironmentVariableA("KORVLINK_OPENED_DOCUMENT", nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: korvlink_win32_system_check RECORDER.EXE\n");
        return 2;
    }
    Win32System system;
    Checks checks;
    checks.Context("module");
    const std::string module = system.ModuleFileName();
    const std::string name = "\\korvlink_win32_system_check.exe";
    checks.True("module file name " + Shown(module),
                module.size() > name.size() && module.compare(module.size() - name.size(), name.size(), name) == 0);
    CheckProfile(system, checks);
    CheckPresence(system, checks);
    CheckStart(system, checks, argv[1]);
    std::printf("win32 system: %d failure(s)\n", checks.Failures());
    return checks.ExitCode();
}
