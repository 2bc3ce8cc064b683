#include "platform/common/reg_text.h"

#include <vector>

#include "platform/common/ini_text.h"

std::string RegStringLiteral(std::string_view data) {
    data = data.substr(0, data.find('\0'));
    std::string literal = "\"";
    for (const char c : data) {
        if (c == '\\' || c == '"') literal += '\\';
        literal += (c == '\r' || c == '\n') ? ' ' : c;
    }
    return literal + '"';
}

std::string WithRegDefaultValue(std::string_view file, std::string_view keyName, std::string_view data) {
    const std::string value = RegStringLiteral(data);
    const std::string lineBreak(LineBreakOf(file));
    const std::string keyLine = "[" + std::string(keyName) + "]" + lineBreak;
    const std::string valueLine = "@=" + value + lineBreak;
    if (file.empty()) return kRegFileHeader + lineBreak + lineBreak + keyLine + valueLine;

    const std::vector<IniLine> lines = ParseIniLines(file);
    std::string result(file);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != IniLine::Kind::kSection || !IniNamesEqual(lines[i].name, keyName)) continue;
        for (std::size_t j = i + 1; j < lines.size() && lines[j].kind != IniLine::Kind::kSection; ++j) {
            const IniLine& line = lines[j];
            if (line.kind != IniLine::Kind::kKey || line.name != "@") continue;
            const std::string_view old = TrimIniSpace(
                file.substr(line.valueBegin, line.contentEnd - line.valueBegin));
            if (old != value) result.replace(line.valueBegin, line.contentEnd - line.valueBegin, value);
            return result;
        }
        // A key line that ends the file without a line break gets one first.
        const bool unterminated = lines[i].contentEnd == lines[i].end;
        return result.insert(lines[i].end, (unterminated ? lineBreak : "") + valueLine);
    }

    // Keys are separated by a blank line, as the registry editor writes them.
    std::string tail;
    if (!lines.empty() && lines.back().contentEnd == lines.back().end) tail += lineBreak;
    if (!lines.empty() && !lines.back().blank) tail += lineBreak;
    return result + tail + keyLine + valueLine;
}
