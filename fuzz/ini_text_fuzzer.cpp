// The INI reader and the line-preserving writer, on any file and any names and values.
//
// For every file, section, key and value: reading never fails, and a write either is refused
// (names that cannot be written) or changes exactly one line or adds its lines in one place,
// leaving every other line, line break included, as it was. A value that can come back
// unchanged (no white space at its ends, no CR, LF or NUL, not inside one pair of matching
// quotes, at most 4095 bytes) reads back as written, and writing it again changes nothing.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_check.h"
#include "platform/common/ini_text.h"

namespace {

// A file as its lines, each its text and its line break (CR, LF, CRLF or none at the end).
using Lines = std::vector<std::pair<std::string, std::string>>;

Lines SplitLines(const std::string& file) {
    Lines lines;
    std::size_t pos = 0;
    while (pos < file.size()) {
        const std::size_t end = file.find_first_of("\r\n", pos);
        if (end == std::string::npos) {
            lines.emplace_back(file.substr(pos), "");
            break;
        }
        const std::size_t breakSize = (file[end] == '\r' && end + 1 < file.size() && file[end + 1] == '\n') ? 2 : 1;
        lines.emplace_back(file.substr(pos, end - pos), file.substr(end, breakSize));
        pos = end + breakSize;
    }
    return lines;
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

bool CanRoundTrip(const std::string& value) {
    if (value.size() > kProfileValueLimit) return false;
    if (value.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) return false;
    if (!value.empty() && (IsSpace(value.front()) || IsSpace(value.back()))) return false;
    const bool quoted = value.size() >= 2 && value.front() == value.back() &&
                        (value.front() == '"' || value.front() == '\'');
    return !quoted;
}

// `after` is `before` with its one line of the key changed (`inserted` 0), or with `inserted`
// lines added in one place (the last line may gain the line break it lacked when they go at the
// end). A byte-order mark stays in front.
void CheckOtherLinesKept(const std::string& before, const std::string& after, std::size_t inserted) {
    const std::string bom = "\xEF\xBB\xBF";
    const std::size_t skip = before.compare(0, bom.size(), bom) == 0 ? bom.size() : 0;
    FUZZ_CHECK(after.compare(0, skip, before, 0, skip) == 0);
    Lines old = SplitLines(before.substr(skip));
    const Lines now = SplitLines(after.substr(skip));
    FUZZ_CHECK(now.size() == old.size() + inserted);
    std::size_t prefix = 0;
    while (prefix < old.size() && old[prefix] == now[prefix]) ++prefix;
    if (prefix + 1 == old.size() && old.back().second.empty() && now.size() > old.size() &&
        now[prefix].first == old.back().first) {
        old.back().second = now[prefix].second;  // the unterminated last line got its break
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < old.size() - prefix && old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix]) ++suffix;
    const std::size_t changedOld = old.size() - prefix - suffix;
    if (now.size() == old.size()) {
        FUZZ_CHECK(changedOld <= 1);
    } else {
        FUZZ_CHECK(changedOld == 0);
    }
}

bool SectionExists(const std::vector<IniLine>& lines, const std::string& section) {
    for (const IniLine& line : lines) {
        if (line.kind == IniLine::Kind::kSection && IniNamesEqual(line.name, section)) return true;
    }
    return false;
}

// A name of the file's own, so that writes also hit lines that exist.
std::string NameFromFile(const std::vector<IniLine>& lines, IniLine::Kind kind, std::size_t pick) {
    std::vector<const std::string*> names;
    for (const IniLine& line : lines) {
        if (line.kind == kind) names.push_back(&line.name);
    }
    return names.empty() ? std::string("Setup") : *names[pick % names.size()];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::uint8_t choice = input.ConsumeIntegral<std::uint8_t>();
    std::string section = input.ConsumeRandomLengthString(64);
    std::string key = input.ConsumeRandomLengthString(64);
    const std::string value = input.ConsumeRandomLengthString(kProfileValueLimit + 8);
    const std::string file = input.ConsumeRemainingBytesAsString();

    const std::vector<IniLine> lines = ParseIniLines(file);
    if (choice & 1) section = NameFromFile(lines, IniLine::Kind::kSection, choice >> 2);
    if (choice & 2) key = NameFromFile(lines, IniLine::Kind::kKey, choice >> 2);

    const std::string before = ReadProfileValue(file, section, key, "\x01 default");
    FUZZ_CHECK(before.size() <= kProfileValueLimit);
    if (!IsWritableIniName(section, key)) return 0;

    const std::string written = WithIniValue(file, section, key, value);
    std::size_t inserted = 0;
    if (!FindIniValue(file, section, key)) inserted = SectionExists(lines, section) ? 1 : 2;
    CheckOtherLinesKept(file, written, inserted);
    if (CanRoundTrip(value)) {
        FUZZ_CHECK(ReadProfileValue(written, section, key, "\x01 default") == value);
        FUZZ_CHECK(WithIniValue(written, section, key, value) == written);
    }
    return 0;
}
