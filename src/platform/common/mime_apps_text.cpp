#include "platform/common/mime_apps_text.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "platform/common/ini_text.h"

namespace {

using Entries = std::vector<std::string>;
using EntriesEdit = std::function<Entries(Entries)>;

constexpr char kDefaultGroup[] = "Default Applications";
constexpr char kAddedGroup[] = "Added Associations";
constexpr char kRemovedGroup[] = "Removed Associations";

Entries ParseEntries(std::string_view value) {
    Entries entries;
    while (!value.empty()) {
        const std::size_t semicolon = std::min(value.find(';'), value.size());
        const std::string_view entry = TrimIniSpace(value.substr(0, semicolon));
        if (!entry.empty()) entries.emplace_back(entry);
        value.remove_prefix(std::min(semicolon + 1, value.size()));
    }
    return entries;
}

std::string JoinEntries(const Entries& entries) {
    std::string value;
    for (const std::string& entry : entries) value += entry + ";";
    return value;
}

Entries Without(Entries entries, std::string_view id) {
    entries.erase(std::remove(entries.begin(), entries.end(), id), entries.end());
    return entries;
}

// Applies `edit` to the entries of every `key` line in every `group` group. A line whose
// entries stay the same keeps its bytes; a line left with none goes. When there is no such
// line and `edit` gives entries for none, they go on a new line at the end of the first
// `group` group, or of a new group at the end of the file.
std::string EditEntries(std::string_view file, std::string_view group, std::string_view key,
                        const EntriesEdit& edit) {
    const std::vector<IniLine> lines = ParseIniLines(file);
    const std::string lineBreak(LineBreakOf(file));

    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<std::size_t> keyLines;
    std::size_t firstGroup = kNone;
    std::size_t firstGroupLast = kNone;  // the last non-blank line of the first group
    std::size_t currentGroup = kNone;    // the group line over this line, when it is `group`
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const IniLine& line = lines[n];
        if (line.kind == IniLine::Kind::kSection) {
            currentGroup = line.name == group ? n : kNone;
            if (currentGroup != kNone && firstGroup == kNone) firstGroup = firstGroupLast = n;
        } else if (currentGroup != kNone) {
            if (currentGroup == firstGroup && !line.blank) firstGroupLast = n;
            if (line.kind == IniLine::Kind::kKey && line.name == key) keyLines.push_back(n);
        }
    }

    std::string result(file);
    // From the last line back, so that the offsets of earlier lines stay valid.
    for (auto n = keyLines.rbegin(); n != keyLines.rend(); ++n) {
        const IniLine& line = lines[*n];
        // The value is rewritten from its first entry on: blanks after '=' stay.
        std::size_t valueBegin = line.valueBegin;
        while (valueBegin < line.contentEnd && (file[valueBegin] == ' ' || file[valueBegin] == '\t')) {
            ++valueBegin;
        }
        const std::size_t valueLength = line.contentEnd - valueBegin;
        const Entries old = ParseEntries(file.substr(valueBegin, valueLength));
        const Entries updated = edit(old);
        if (updated == old) continue;
        if (updated.empty()) {
            result.erase(line.begin, line.end - line.begin);
        } else {
            result.replace(valueBegin, valueLength, JoinEntries(updated));
        }
    }
    if (!keyLines.empty()) return result;
    const Entries added = edit({});
    if (added.empty()) return result;

    const bool unterminated = !lines.empty() && lines.back().contentEnd == lines.back().end;
    const std::string newLine = std::string(key) + "=" + JoinEntries(added) + lineBreak;
    if (firstGroupLast != kNone) {
        const std::size_t at = lines[firstGroupLast].end;
        const bool breakFirst = at == file.size() && unterminated;
        return result.insert(at, (breakFirst ? lineBreak : "") + newLine);
    }
    // A new group follows a blank line, as groups are usually set apart.
    std::string tail;
    if (unterminated) tail += lineBreak;
    if (!lines.empty() && !lines.back().blank) tail += lineBreak;
    return result + tail + "[" + std::string(group) + "]" + lineBreak + newLine;
}

}  // namespace

std::string WithDefaultApplication(std::string_view file, std::string_view contentType,
                                   std::string_view desktopId) {
    const std::string id(desktopId);
    std::string result = EditEntries(file, kDefaultGroup, contentType, [&](Entries entries) {
        entries = Without(std::move(entries), id);
        entries.insert(entries.begin(), id);
        return entries;
    });
    result = EditEntries(result, kAddedGroup, contentType, [&](Entries entries) {
        if (std::find(entries.begin(), entries.end(), id) == entries.end()) entries.insert(entries.begin(), id);
        return entries;
    });
    return EditEntries(result, kRemovedGroup, contentType,
                       [&](Entries entries) { return Without(std::move(entries), id); });
}

std::string WithoutDefaultApplication(std::string_view file, std::string_view contentType,
                                      std::string_view desktopId) {
    const std::string id(desktopId);
    const EntriesEdit remove = [&](Entries entries) { return Without(std::move(entries), id); };
    return EditEntries(EditEntries(file, kDefaultGroup, contentType, remove), kAddedGroup, contentType,
                       remove);
}
