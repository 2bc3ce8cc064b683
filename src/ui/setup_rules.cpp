#include "ui/setup_rules.h"

namespace {

bool IsWhite(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string Trimmed(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsWhite(text[begin])) ++begin;
    while (end > begin && IsWhite(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

}  // namespace

EmulatorCommandParts SplitEmulatorCommand(const std::string& text) {
    const std::string trimmed = Trimmed(text);
    if (!trimmed.empty() && trimmed[0] == '"') {
        const std::size_t close = trimmed.find('"', 1);
        if (close != std::string::npos) return {trimmed.substr(1, close - 1), trimmed.substr(close + 1)};
    }
    // The blank is found in the text as read and its index applied to the trimmed text; the two
    // agree unless the text begins with white space, and then a blank first means no tail.
    const std::size_t blank = text.find(' ');
    if (blank == std::string::npos || blank == 0 || blank >= trimmed.size()) return {trimmed, ""};
    return {trimmed.substr(0, blank), trimmed.substr(blank)};
}

std::string QuotedIfBlank(const std::string& path) {
    return path.find_first_of(" \t") == std::string::npos ? path : "\"" + path + "\"";
}

IconPosition MinimizedIconPosition(int clientWidth, int clientHeight, int iconWidth, int iconHeight) {
    return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}
