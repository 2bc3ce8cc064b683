#include "platform/path_split.h"

PathParts SplitPath(const std::string& path, PathStyle style, IsLeadByteFn isLead) {
    PathParts parts;
    std::size_t start = 0;
    if (style == PathStyle::kWindows && path.size() >= 2 && path[1] == ':') {
        parts.drive = path.substr(0, 2);
        start = 2;
    }

    std::size_t nameStart = start;
    std::size_t lastDot = std::string::npos;
    for (std::size_t i = start; i < path.size(); i = NextCharacter(path, i, isLead)) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (isLead(c)) continue;
        if (c == '/' || (c == '\\' && style == PathStyle::kWindows)) {
            nameStart = i + 1;
        } else if (c == '.') {
            lastDot = i;
        }
    }

    parts.directory = path.substr(start, nameStart - start);
    // A hidden file's leading dot is its name on POSIX, an extension for the Windows runtime.
    const bool dotInName = lastDot != std::string::npos &&
                           (lastDot > nameStart || (lastDot == nameStart && style == PathStyle::kWindows));
    if (dotInName) {
        parts.name = path.substr(nameStart, lastDot - nameStart);
        parts.extension = path.substr(lastDot);
    } else {
        parts.name = path.substr(nameStart);
    }
    return parts;
}
