#include "platform/common/help_file.h"

#include <vector>

namespace {

constexpr std::string_view kTopicMark = "@topic ";

std::vector<std::string_view> Lines(std::string_view file) {
    std::vector<std::string_view> lines;
    while (!file.empty()) {
        const std::size_t end = file.find('\n');
        std::string_view line = file.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        file.remove_prefix(end + 1);
    }
    return lines;
}

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

std::optional<HelpTopic> FindHelpTopic(std::string_view file, unsigned long topic) {
    const std::vector<std::string_view> lines = Lines(file);
    const std::string number = std::to_string(topic);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (line.substr(0, kTopicMark.size()) != kTopicMark) continue;
        line.remove_prefix(kTopicMark.size());
        const std::size_t blank = line.find(' ');
        if (line.substr(0, blank) != number) continue;

        HelpTopic found;
        found.title = blank == std::string_view::npos ? std::string() : std::string(line.substr(blank + 1));
        std::size_t first = i + 1, last = i + 1;
        while (last < lines.size() && lines[last].substr(0, kTopicMark.size()) != kTopicMark) ++last;
        while (first < last && IsBlank(lines[first])) ++first;
        while (last > first && IsBlank(lines[last - 1])) --last;
        for (std::size_t j = first; j < last; ++j) {
            found.text.append(lines[j]);
            if (j + 1 < last) found.text += '\n';
        }
        return found;
    }
    return std::nullopt;
}
