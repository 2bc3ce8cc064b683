// The Windows command-line splitter, on any bytes and on lines composed from an argument list.
//
// First byte even: the rest is a command line; the split must not crash and always has argv[0].
// First byte odd: the rest is a program name and arguments separated by NUL bytes; the line is
// composed the way a Windows program quotes its arguments for a child, and the split must give
// back exactly that list.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "platform/common/command_line_split.h"

namespace {

// The standard quoting for the runtime's rules: backslashes double before a quote and at the
// end (where the closing quote follows), and a quote is escaped by one more backslash.
std::string Quoted(const std::string& argument) {
    std::string quoted = "\"";
    std::size_t slashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++slashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * slashes + 1 : slashes, '\\');
        slashes = 0;
        quoted += c;
    }
    quoted.append(2 * slashes, '\\');
    return quoted + "\"";
}

std::vector<std::string> SplitAtNul(const std::string& bytes) {
    std::vector<std::string> pieces(1);
    for (const char c : bytes) {
        if (c == '\0') {
            pieces.emplace_back();
        } else {
            pieces.back() += c;
        }
    }
    return pieces;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);

    if (data[0] % 2 == 0) {
        const std::vector<std::string> argv = SplitCommandLine(rest);
        FUZZ_CHECK(!argv.empty());
        for (const std::string& argument : argv) {
            FUZZ_CHECK(argument.find('\0') == std::string::npos);
        }
        return 0;
    }

    std::vector<std::string> expected = SplitAtNul(rest);
    // argv[0] takes no escapes, only quotes that toggle: a name without quotes, quoted whole.
    if (expected[0].find('"') != std::string::npos) return 0;
    std::string line = "\"" + expected[0] + "\"";
    for (std::size_t i = 1; i < expected.size(); ++i) line += " " + Quoted(expected[i]);
    FUZZ_CHECK(SplitCommandLine(line) == expected);
    return 0;
}
