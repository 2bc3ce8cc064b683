// From the command line to the three paths of a document: tail cutting, the document in the
// tail, lower-casing and the data and companion paths, on any bytes.
//
// The first byte chooses the rules: bit 0 the path style (POSIX or Windows), bit 1 a double-byte
// code page's lead bytes (932's) or none, bit 2 whether the rest is a whole command line or the
// one argument a file manager passes on Linux.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_check.h"
#include "launcher/document_names.h"
#include "platform/framework/startup_rules.h"
#include "platform/path_split.h"
#include "platform/posix/posix_system.h"

namespace {

bool Cp932LeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

bool IsBlankOrControl(unsigned char byte) { return byte >= 0x01 && byte <= 0x20; }

// The line is its cut-off program name and the tail, and the tail starts past the blanks.
void CheckTail(const std::string& line, const std::string& tail) {
    const std::string text = line.substr(0, line.find('\0'));
    FUZZ_CHECK(tail.size() <= text.size());
    FUZZ_CHECK(text.compare(text.size() - tail.size(), tail.size(), tail) == 0);
    FUZZ_CHECK(tail.empty() || !IsBlankOrControl(static_cast<unsigned char>(tail[0])));
    if (!text.empty() && text[0] != '"') {
        // An unquoted program name is the bytes above 0x20, then come the skipped ones.
        const std::string head = text.substr(0, text.size() - tail.size());
        std::size_t i = 0;
        while (i < head.size() && static_cast<unsigned char>(head[i]) > 0x20) ++i;
        while (i < head.size() && IsBlankOrControl(static_cast<unsigned char>(head[i]))) ++i;
        FUZZ_CHECK(i == head.size());
    }
}

// The document is the tail less its leading quotes and blanks and one closing quote.
void CheckDocument(const std::string& tail, const std::string& document) {
    const std::size_t start = tail.find_first_not_of("\" ");
    if (start == std::string::npos) {
        FUZZ_CHECK(document.empty());
        return;
    }
    FUZZ_CHECK(tail.compare(start, document.size(), document) == 0);
    const std::string rest = tail.substr(start + document.size());
    FUZZ_CHECK(rest.empty() || rest == "\"");
    FUZZ_CHECK(rest.empty() == (tail.back() != '"'));
}

void CheckLowered(const std::string& path, const std::string& lowered, IsLeadByteFn isLead) {
    FUZZ_CHECK(lowered.size() == path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char c = path[i];
        FUZZ_CHECK(lowered[i] == c || (c >= 'A' && c <= 'Z' && lowered[i] == c + ('a' - 'A')));
    }
    FUZZ_CHECK(LowerCaseAscii(lowered, isLead) == lowered);
    if (isLead == NoLeadBytes) FUZZ_CHECK(lowered.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos);
}

// Data and companion lie in the document's folder and their file names differ by one leading '%'.
void CheckPaths(const std::string& document, const DocumentPaths& paths, PathStyle style, IsLeadByteFn isLead) {
    FUZZ_CHECK(paths.document == document);
    FUZZ_CHECK(paths.data == document || paths.companion == document);
    const PathParts parts = SplitPath(document, style, isLead);
    const std::string folder = parts.drive + parts.directory;
    FUZZ_CHECK(parts.Joined() == document);
    for (const std::string* path : {&paths.data, &paths.companion}) {
        FUZZ_CHECK(path->compare(0, folder.size(), folder) == 0);
        // Windows reads a ':' second byte as a drive, so adding or removing the '%' can make or
        // unmake one when the folder is shorter than two bytes ("%a:b", "/%:"). Only names that
        // Windows does not allow (a ':' in a file name) do that; a longer folder settles it.
        if (style == PathStyle::kPosix || folder.size() >= 2) {
            const PathParts again = SplitPath(*path, style, isLead);
            FUZZ_CHECK(again.drive + again.directory == folder);
        }
    }
    FUZZ_CHECK(paths.companion.substr(folder.size()) == "%" + paths.data.substr(folder.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const PathStyle style = (data[0] & 1) ? PathStyle::kWindows : PathStyle::kPosix;
    const IsLeadByteFn isLead = (data[0] & 2) ? Cp932LeadByte : NoLeadBytes;
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);

    std::string line = rest;
    if (data[0] & 4) {
        // A file manager's one argument: it must arrive as the document, whatever its bytes,
        // unless it starts with a blank or quote (the Windows rule drops those too).
        const std::string argument = rest.substr(0, rest.find('\0'));
        line = ComposeCommandLine({"/usr/bin/korvlink", argument});
        if (isLead == NoLeadBytes && !argument.empty() && argument[0] != ' ' && argument[0] != '"') {
            FUZZ_CHECK(DocumentFromTail(CutCommandLineTail(line, isLead)) == argument);
        }
    }

    const std::string tail = CutCommandLineTail(line, isLead);
    CheckTail(line, tail);
    const std::string document = DocumentFromTail(tail);
    CheckDocument(tail, document);
    const std::string lowered = LowerCaseAscii(document, isLead);
    CheckLowered(document, lowered, isLead);
    CheckPaths(document, ComposeDocumentPaths(document, style, isLead), style, isLead);
    CheckPaths(lowered, ComposeDocumentPaths(lowered, style, isLead), style, isLead);
    return 0;
}
