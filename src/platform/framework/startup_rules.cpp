#include "platform/framework/startup_rules.h"

#include "platform/path_split.h"

std::string CutCommandLineTail(const std::string& commandLine, IsLeadByteFn isLead) {
    const std::string line = commandLine.substr(0, commandLine.find('\0'));
    const auto byteAt = [&line](std::size_t i) { return static_cast<unsigned char>(line[i]); };

    std::size_t i = 0;
    if (!line.empty() && line[0] == '"') {
        i = 1;
        while (i < line.size() && line[i] != '"') i = NextCharacter(line, i, isLead);
        if (i < line.size()) ++i;  // the closing quote
    } else {
        while (i < line.size() && byteAt(i) > 0x20) ++i;
    }
    while (i < line.size() && byteAt(i) >= 0x01 && byteAt(i) <= 0x20) ++i;
    return line.substr(i);
}

AppNames DeriveAppNames(const std::string& modulePath, PathStyle style, IsLeadByteFn isLead) {
    const PathParts parts = SplitPath(modulePath, style, isLead);
    AppNames names;
    names.exeName = parts.name;
    names.appName = parts.name;
    names.profileName = parts.name + ".INI";
    if (style == PathStyle::kWindows) {
        names.helpFilePath = parts.drive + parts.directory + parts.name + ".HLP";
    } else {
        // <prefix>/bin/korvlink -> <prefix>/share/korvlink/korvlink.HLP
        std::string binDir = parts.directory;
        while (binDir.size() > 1 && binDir.back() == '/') binDir.pop_back();
        const std::size_t slash = binDir.rfind('/');
        const std::string prefix = slash == std::string::npos ? std::string() : binDir.substr(0, slash);
        names.helpFilePath = prefix + "/share/korvlink/" + parts.name + ".HLP";
    }
    return names;
}
