#include "launcher/document_names.h"

#include "platform/path_split.h"

std::string DocumentFromTail(const std::string& tail) {
    const std::size_t start = tail.find_first_not_of("\" ");
    std::string document = start == std::string::npos ? std::string() : tail.substr(start);
    if (!document.empty() && document.back() == '"') document.pop_back();
    return document;
}

std::string LowerCaseAscii(const std::string& path, IsLeadByteFn isLead) {
    std::string lowered = path;
    for (std::size_t i = 0; i < lowered.size(); i = NextCharacter(lowered, i, isLead)) {
        if (lowered[i] >= 'A' && lowered[i] <= 'Z') lowered[i] = static_cast<char>(lowered[i] + ('a' - 'A'));
    }
    return lowered;
}

DocumentPaths ComposeDocumentPaths(const std::string& document, PathStyle style, IsLeadByteFn isLead) {
    const PathParts parts = SplitPath(document, style, isLead);
    const std::string folder = parts.drive + parts.directory;
    DocumentPaths paths;
    paths.document = document;
    if (!parts.name.empty() && parts.name[0] == '%') {
        paths.data = folder + parts.name.substr(1) + parts.extension;
        paths.companion = document;
    } else {
        paths.data = document;
        paths.companion = folder + "%" + parts.name + parts.extension;
    }
    return paths;
}
