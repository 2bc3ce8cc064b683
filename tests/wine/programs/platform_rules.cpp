// Checks our rule tables against Windows itself: each row's input goes to the real function, and
// what it returns must be the row's expected value. The runtime's command-line tail and argv come
// from the recorder, started with the row's exact command line; _splitpath and
// GetPrivateProfileStringA are called here. Rows that need a double-byte code page, or a NUL
// inside a command line, cannot be reproduced here and are left out.
//
//   korvlink_platform_rules RECORDER.EXE

#include <cstdlib>

#include "tables/command_line_split_table.h"
#include "tables/command_line_tail_table.h"
#include "tables/ini_read_table.h"
#include "tables/path_split_table.h"
#include "windows_test_support.h"

namespace {

class PlatformRules {
public:
    explicit PlatformRules(std::string recorder) : m_recorder(std::move(recorder)) {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        m_scratch = std::string(temp) + "korvlink-platform-rules";
        CreateDirectoryA(m_scratch.c_str(), nullptr);
        m_recorded = m_scratch + "\\recorded.txt";
        SetEnvironmentVariableA("RECORDER_OUT", m_recorded.c_str());
    }

    int Run() {
        CheckTails();
        CheckArgv();
        CheckSplitPath();
        CheckProfileReads();
        std::printf("platform rules: %d row(s) checked, %d differ\n", m_rows, m_checks.Failures());
        return m_checks.ExitCode();
    }

private:
    // The recorder's view of `commandLine`, started exactly so.
    std::optional<Recorded> Record(const std::string& commandLine) {
        DeleteFileA(m_recorded.c_str());
        const std::optional<PROCESS_INFORMATION> process = StartSuspended(m_recorder, commandLine);
        if (!process) return std::nullopt;
        ResumeThread(process->hThread);
        WaitForSingleObject(process->hProcess, 30000);
        CloseHandle(process->hThread);
        CloseHandle(process->hProcess);
        return ReadRecorded(m_recorded);
    }

    void CheckTails() {
        for (const CommandLineTailRow& row : kCommandLineTailRows) {
            if (row.doubleByte || row.commandLine.find('\0') != std::string::npos) continue;
            Row("tail: " + std::string(row.name));
            const std::optional<Recorded> seen = Record(row.commandLine);
            m_checks.Equal("tail", seen ? seen->tail : "(not run)", row.mingwTail.value_or(row.tail));
        }
    }

    void CheckArgv() {
        for (const CommandLineSplitRow& row : kCommandLineSplitRows) {
            // Wine gives a program started with an empty line its own path instead.
            if (row.line.empty()) continue;
            Row("argv: " + Shown(row.line));
            const std::optional<Recorded> seen = Record(row.line);
            m_checks.Equal("argv", seen ? seen->argv : std::vector<std::string>{"(not run)"}, row.argv);
        }
    }

    void CheckSplitPath() {
        for (const PathSplitRow& row : kPathSplitRows) {
            if (row.doubleByte) continue;
            Row("_splitpath: " + Shown(row.path));
            char drive[_MAX_DRIVE], directory[_MAX_DIR], name[_MAX_FNAME], extension[_MAX_EXT];
            _splitpath(row.path.c_str(), drive, directory, name, extension);
            m_checks.Equal("parts", std::vector<std::string>{drive, directory, name, extension},
                           std::vector<std::string>{row.drive, row.directory, row.name, row.extension});
        }
    }

    std::string Read(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& defaultValue) {
        const std::string path = m_scratch + "\\rules.ini";
        WriteWholeFile(path, file);
        std::string buffer(4096, '\0');
        GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                 static_cast<DWORD>(buffer.size()), path.c_str());
        return buffer.substr(0, buffer.find('\0'));
    }

    void CheckProfileReads() {
        for (const IniSampleRow& row : kIniSampleRows) {
            Row("profile sample: " + Shown(row.section) + "/" + Shown(row.key));
            m_checks.Equal("value", Read(kIniSample, row.section, row.key, "DEF"), row.expected);
        }
        for (const IniFileRow& row : kIniFileRows) {
            Row("profile file: " + std::string(row.name));
            m_checks.Equal("value", Read(row.file, row.section, row.key, "DEF"), row.windowsValue.value_or(row.expected));
        }
        for (const IniDefaultRow& row : kIniDefaultRows) {
            Row("profile default: " + Shown(row.defaultValue));
            m_checks.Equal("value", Read("", "s", "k", row.defaultValue), row.expected);
        }
    }

    void Row(const std::string& name) {
        m_checks.Context(name);
        ++m_rows;
    }

    std::string m_recorder;
    std::string m_scratch;
    std::string m_recorded;
    Checks m_checks;
    int m_rows = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: korvlink_platform_rules RECORDER.EXE\n");
        return 2;
    }
    return PlatformRules(argv[1]).Run();
}
