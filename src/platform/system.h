#pragma once

// The operating-system services korvlink uses, one interface for every platform.
// Backends: posix/ (Linux), win32/ (the real Windows API) and headless/ (in memory, for tests).
// Texts are byte strings in the platform's 8-bit encoding (UTF-8 on Linux, the ANSI code page
// on Windows). Every operation runs on the process's one thread.

#include <string>

#include "platform/lead_bytes.h"

// How the platform writes paths, and where it keeps the program's own files.
enum class PathStyle {
    // Windows: the backslash, '/' and a drive's ':' separate; KORVLINK.HLP lies beside KORVLINK.EXE.
    kWindows,
    // Linux: only '/' separates (a file name may hold a backslash or ':'); <prefix>/bin/korvlink
    // keeps its help file in <prefix>/share/korvlink/.
    kPosix,
};

// The environment variable that marks a program korvlink started; its value names the document.
inline constexpr const char kOpenedDocumentVariable[] = "KORVLINK_OPENED_DOCUMENT";

class System {
public:
    virtual ~System() = default;

    // --- Process -------------------------------------------------------------------------
    // The whole process command line, program name first, as the Windows runtime sees it.
    // On Linux it is composed from argv, each argument wrapped in double quotes.
    virtual std::string CommandLine() const = 0;
    // The full path of the running executable, as the platform reports it.
    virtual std::string ModuleFileName() const = 0;
    // Called once before anything else: file probes on empty drives must fail quietly
    // instead of raising system boxes.
    virtual void QuietCriticalErrors() = 0;
    virtual PathStyle Style() const = 0;

    // --- Settings (private profile files) -------------------------------------------------
    // Reads `key` of `section` from the profile file `fileName` (a name without directory: it
    // lives in the platform's Windows directory). Missing file, section or key give
    // `defaultValue` without its trailing blanks; the result holds at most 4095 bytes.
    virtual std::string ReadProfileText(const std::string& fileName, const std::string& section,
                                        const std::string& key,
                                        const std::string& defaultValue) = 0;
    // Writes `value` as the one line of `key` in `section`, creating what is missing and
    // keeping every other line. Returns false, with the previous file left whole, on failure.
    virtual bool WriteProfileText(const std::string& fileName, const std::string& section,
                                  const std::string& key, const std::string& value) = 0;

    // --- Files ---------------------------------------------------------------------------
    // True when `path` names an existing entry of any kind (file, directory, other) on a
    // volume that answers. A relative path is taken relative to the current directory.
    virtual bool PathIsPresent(const std::string& path) = 0;
    // True when the platform's file names ignore letter case (so a path may be lower-cased).
    virtual bool FileNamesIgnoreCase() const = 0;
    // Which bytes begin a double-byte character in the platform's 8-bit encoding.
    virtual IsLeadByteFn LeadBytes() const = 0;

    // --- Programs ------------------------------------------------------------------------
    // Starts `command` (a program path, optionally followed by parameters) on `document`, with
    // the normal show state, and does not wait for it. The document reaches the program as one
    // argument. The started program's environment carries kOpenedDocumentVariable naming the
    // document. Returns, like WinExec, a value above 31 when the program was started.
    virtual int StartProgram(const std::string& command, const std::string& document) = 0;
    // True when this process was started, directly or through the desktop, by a program that
    // korvlink started on `document` itself: opening it again would loop.
    virtual bool IsHandedBack(const std::string& document) const = 0;

    // --- Shell registration ----------------------------------------------------------------
    // Writes `command` as the default value of HKEY_CLASSES_ROOT\<keyPath>, creating every key
    // on the path that is missing, and replacing whatever was there. Where the desktop is not the
    // Windows shell, also registers the program with the desktop, so that opening a document of
    // no known type starts `command` with the document in place of %1. Returns false when the
    // key could not be written; what was there before is then left whole.
    virtual bool WriteShellOpenCommand(const std::string& keyPath, const std::string& command) = 0;
};

// WinExec's results: above 31 the program was started.
inline constexpr int kStartedMinimum = 32;
inline constexpr int kStartFileNotFound = 2;
inline constexpr int kStartPathNotFound = 3;
inline constexpr int kStartAccessDenied = 5;
inline constexpr int kStartBadFormat = 11;
inline constexpr int kStartOutOfResources = 0;
