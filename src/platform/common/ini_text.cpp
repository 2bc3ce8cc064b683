#include "platform/common/ini_text.h"

#include <algorithm>

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsIniSpace(char c) {
    // The C locale's white space, and ^Z, which old editors left at the end of a file.
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A';
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\'')) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

IniLine ParseLine(std::string_view file, std::size_t begin, std::size_t contentEnd) {
    IniLine line;
    line.begin = begin;
    line.contentEnd = contentEnd;
    std::string_view text = file.substr(begin, contentEnd - begin);
    text = text.substr(0, text.find('\0'));
    const std::string_view trimmed = TrimIniSpace(text);
    line.blank = trimmed.empty();

    if (!trimmed.empty() && trimmed.front() == '[') {
        const std::size_t close = trimmed.rfind(']');
        if (close != std::string_view::npos && close > 0) {
            line.kind = IniLine::Kind::kSection;
            line.name = std::string(TrimIniSpace(trimmed.substr(1, close - 1)));
            return line;
        }
    }
    const std::size_t equals = text.find('=');
    if (equals != std::string_view::npos) {
        line.kind = IniLine::Kind::kKey;
        line.valueBegin = begin + equals + 1;
        line.name = std::string(TrimIniSpace(text.substr(0, equals)));
        line.value = std::string(Unquoted(TrimIniSpace(text.substr(equals + 1))));
    }
    return line;
}

// The index of the first section line named `section`, or lines.size().
std::size_t FindSection(const std::vector<IniLine>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == IniLine::Kind::kSection && IniNamesEqual(lines[i].name, section)) return i;
    }
    return lines.size();
}

// The first line after `sectionLine` that starts another section, or lines.size().
std::size_t SectionEnd(const std::vector<IniLine>& lines, std::size_t sectionLine) {
    std::size_t i = sectionLine + 1;
    while (i < lines.size() && lines[i].kind != IniLine::Kind::kSection) ++i;
    return i;
}

std::size_t FindKey(const std::vector<IniLine>& lines, std::size_t from, std::size_t to,
                    std::string_view key) {
    for (std::size_t i = from; i < to; ++i) {
        if (lines[i].kind == IniLine::Kind::kKey && IniNamesEqual(lines[i].name, key)) return i;
    }
    return to;
}

}  // namespace

std::string_view LineBreakOf(std::string_view file) {
    const std::size_t at = file.find_first_of("\r\n");
    if (at == std::string_view::npos) return "\n";
    if (file[at] == '\r') return (at + 1 < file.size() && file[at + 1] == '\n') ? "\r\n" : "\r";
    return "\n";
}

std::string_view TrimIniSpace(std::string_view text) {
    while (!text.empty() && IsIniSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsIniSpace(text.back())) text.remove_suffix(1);
    return text;
}

bool IniNamesEqual(std::string_view a, std::string_view b) {
    a = TrimIniSpace(a);
    b = TrimIniSpace(b);
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::vector<IniLine> ParseIniLines(std::string_view file) {
    std::vector<IniLine> lines;
    std::size_t pos = file.substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
    while (pos < file.size()) {
        std::size_t contentEnd = file.find_first_of("\r\n", pos);
        std::size_t end;
        if (contentEnd == std::string_view::npos) {
            contentEnd = end = file.size();
        } else {
            end = contentEnd + 1;
            if (file[contentEnd] == '\r' && end < file.size() && file[end] == '\n') ++end;
        }
        IniLine line = ParseLine(file, pos, contentEnd);
        line.end = end;
        lines.push_back(std::move(line));
        pos = end;
    }
    return lines;
}

std::optional<std::string> FindIniValue(std::string_view file, std::string_view section,
                                        std::string_view key) {
    // A section line "[]" ends the section before it, but no read reaches its keys.
    if (TrimIniSpace(section).empty()) return std::nullopt;
    const std::vector<IniLine> lines = ParseIniLines(file);
    const std::size_t sectionLine = FindSection(lines, section);
    if (sectionLine == lines.size()) return std::nullopt;
    const std::size_t end = SectionEnd(lines, sectionLine);
    const std::size_t keyLine = FindKey(lines, sectionLine + 1, end, key);
    if (keyLine == end) return std::nullopt;
    return lines[keyLine].value;
}

std::string ReadProfileValue(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view defaultValue) {
    std::optional<std::string> value = FindIniValue(file, section, key);
    if (!value) {
        // Windows drops the default's trailing blanks (blanks only, not tabs or line breaks) and
        // keeps its leading ones; a default of blanks alone keeps one.
        while (defaultValue.size() > 1 && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
        value = std::string(defaultValue);
    }
    if (value->size() > kProfileValueLimit) value->resize(kProfileValueLimit);
    return *value;
}

std::string OneLineIniValue(std::string_view value) {
    std::string line(value.substr(0, value.find('\0')));
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line;
}

bool IsWritableIniName(std::string_view section, std::string_view key) {
    const auto hasBreak = [](std::string_view s) {
        return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
    };
    const std::string_view trimmedKey = TrimIniSpace(key);
    return !TrimIniSpace(section).empty() && !trimmedKey.empty() && !hasBreak(section) &&
           !hasBreak(key) && section.find(']') == std::string_view::npos &&
           key.find('=') == std::string_view::npos && trimmedKey.front() != '[';
}

std::string WithIniValue(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view value) {
    const std::string newValue = OneLineIniValue(value);
    const std::string_view lineBreak = LineBreakOf(file);
    const std::vector<IniLine> lines = ParseIniLines(file);
    std::string result(file);

    // Inserts whole lines at `at`, giving an unterminated last line its line break first.
    const bool unterminated = !lines.empty() && lines.back().contentEnd == lines.back().end;
    const auto insertLines = [&](std::size_t at, std::string text) {
        if (at == file.size() && unterminated) text.insert(0, lineBreak);
        result.insert(at, text);
        return result;
    };

    const std::size_t sectionLine = FindSection(lines, section);
    if (sectionLine == lines.size()) {
        return insertLines(file.size(), "[" + std::string(section) + "]" + std::string(lineBreak) +
                                            std::string(key) + "=" + newValue + std::string(lineBreak));
    }
    const std::size_t end = SectionEnd(lines, sectionLine);
    const std::size_t keyLine = FindKey(lines, sectionLine + 1, end, key);
    if (keyLine != end) {
        const IniLine& line = lines[keyLine];
        if (line.value == newValue) return result;
        result.replace(line.valueBegin, line.contentEnd - line.valueBegin, newValue);
        return result;
    }
    std::size_t last = sectionLine;
    for (std::size_t i = sectionLine + 1; i < end; ++i) {
        if (!lines[i].blank) last = i;
    }
    // The line break of the line it follows: in a file of mixed breaks, the file's own could be a
    // lone CR that reads as one CRLF with the LF of a blank line after it, and that line would go.
    std::string_view ownBreak = file.substr(lines[last].contentEnd, lines[last].end - lines[last].contentEnd);
    if (ownBreak.empty()) ownBreak = lineBreak;
    return insertLines(lines[last].end, std::string(key) + "=" + newValue + std::string(ownBreak));
}
