#include "platform/common/command_line_split.h"

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    const std::string line = commandLine.substr(0, commandLine.find('\0'));
    std::vector<std::string> argv;
    std::size_t i = 0;

    // argv[0]: quotes toggle, nothing is escaped.
    std::string program;
    bool quoted = false;
    for (; i < line.size() && (quoted || !IsSeparator(line[i])); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else {
            program += line[i];
        }
    }
    argv.push_back(program);

    while (true) {
        while (i < line.size() && IsSeparator(line[i])) ++i;
        if (i >= line.size()) break;
        std::string argument;
        quoted = false;
        while (i < line.size() && (quoted || !IsSeparator(line[i]))) {
            std::size_t slashes = 0;
            while (i < line.size() && line[i] == '\\') {
                ++slashes;
                ++i;
            }
            if (i < line.size() && line[i] == '"') {
                argument.append(slashes / 2, '\\');
                if (slashes % 2 == 1) {
                    argument += '"';
                } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                    argument += '"';  // "" inside quotes
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                argument.append(slashes, '\\');
                if (i < line.size() && (quoted || !IsSeparator(line[i]))) argument += line[i++];
            }
        }
        argv.push_back(argument);
    }
    return argv;
}
