#pragma once

// An in-memory System for tests: every answer is a field a test sets, and every call that
// changes the world is recorded in order. Profile files are real file texts, read and edited by
// the same rules as on Linux, so a test sees exactly what a file would hold.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/system.h"

class HeadlessSystem : public System {
public:
    std::string CommandLine() const override { return commandLine; }
    std::string ModuleFileName() const override { return moduleFileName; }
    void QuietCriticalErrors() override { events.push_back("quiet critical errors"); }
    PathStyle Style() const override { return style; }

    std::string ReadProfileText(const std::string& fileName, const std::string& section,
                                const std::string& key, const std::string& defaultValue) override;
    bool WriteProfileText(const std::string& fileName, const std::string& section,
                          const std::string& key, const std::string& value) override;

    bool PathIsPresent(const std::string& path) override;
    bool FileNamesIgnoreCase() const override { return ignoreCase; }
    IsLeadByteFn LeadBytes() const override { return leadBytes; }

    int StartProgram(const std::string& command, const std::string& document) override;
    bool IsHandedBack(const std::string& document) const override {
        return !handedBackDocument.empty() && handedBackDocument == document;
    }

    bool WriteShellOpenCommand(const std::string& keyPath, const std::string& command) override;

    // What the system reports.
    std::string commandLine = "KORVLINK";
    std::string moduleFileName = "C:\\TOOLS\\KORVLINK.EXE";
    PathStyle style = PathStyle::kWindows;
    bool ignoreCase = true;
    IsLeadByteFn leadBytes = NoLeadBytes;
    std::set<std::string> presentPaths;
    std::string handedBackDocument;
    int startResult = kStartedMinimum + 1;
    bool failProfileWrites = false;
    bool failRegistryWrites = false;

    // Key path -> default value, as the registry holds them.
    std::map<std::string, std::string> registry;

    // Profile file name -> the file's bytes.
    std::map<std::string, std::string> profileFiles;

    // What happened, in order: "read S/K", "write S/K=V", "probe P", "start C | D", ...
    std::vector<std::string> events;
};

// A stand-in for a double-byte ANSI code page (932): 0x81-0x9F and 0xE0-0xFC are lead bytes.
bool ShiftJisLeadBytes(unsigned char byte);
