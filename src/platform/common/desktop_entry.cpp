#include "platform/common/desktop_entry.h"

namespace {

// The length of the UTF-8 sequence at the start of `text`, or 0 when it is not a valid one
// (overlong forms, surrogates and values beyond U+10FFFF are not).
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    }
    return length;
}

bool IsValidText(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = Utf8SequenceLength(text);
        if (length == 0) return false;
        const unsigned char c = static_cast<unsigned char>(text[0]);
        if (c < 0x20 || c == 0x7F) return false;
        text.remove_prefix(length);
    }
    return true;
}

bool IsReserved(char c) {
    return std::string_view(" \t\n\"'\\><~|&;$*?#()`").find(c) != std::string_view::npos;
}

bool IsPlain(std::string_view path) {
    if (path.empty() || !IsValidText(path)) return false;
    for (const char c : path) {
        const bool plain = static_cast<unsigned char>(c) >= 0x80 || (c >= 'a' && c <= 'z') ||
                           (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           std::string_view("/._-+,@:=").find(c) != std::string_view::npos;
        if (!plain) return false;
    }
    return true;
}

bool FollowsTheRulesCanStart(std::string_view path) {
    return !path.empty() && path.find('%') == std::string_view::npos &&
           DesktopExecProgram(path).has_value();
}

}  // namespace

std::optional<std::string> DesktopExecProgram(std::string_view path) {
    if (!IsValidText(path)) return std::nullopt;
    bool quoted = false;
    for (const char c : path) quoted = quoted || IsReserved(c);

    std::string argument;
    if (quoted) argument += '"';
    for (const char c : path) {
        if (quoted && (c == '"' || c == '`' || c == '$' || c == '\\')) argument += '\\';
        argument += c;
        if (c == '%') argument += '%';
    }
    if (quoted) argument += '"';

    std::string value;
    for (const char c : argument) {
        if (c == '\\') value += '\\';
        value += c;
    }
    return value;
}

DesktopProgram ChooseDesktopProgram(std::string_view executable, std::string_view link) {
    if (IsPlain(executable)) return DesktopProgram::kExecutable;
    if (IsPlain(link)) return DesktopProgram::kLink;
    if (FollowsTheRulesCanStart(executable)) return DesktopProgram::kExecutable;
    if (FollowsTheRulesCanStart(link)) return DesktopProgram::kLink;
    return DesktopProgram::kNeither;
}

std::string DesktopEntryText(std::string_view program) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=korvlink\n"
           "Comment=Opens Korvo documents in the emulator or the viewer\n"
           "NoDisplay=true\n"
           "MimeType=application/octet-stream;\n"
           "Exec=" + std::string(program) + " %f\n";
}
