#include "platform/gtk/label_text.h"

std::string GtkMnemonicText(const std::string& windowsText) {
    std::string text;
    for (std::size_t i = 0; i < windowsText.size(); ++i) {
        const char c = windowsText[i];
        if (c == '_') {
            text += "__";
        } else if (c != '&') {
            text += c;
        } else if (i + 1 < windowsText.size()) {
            // "&&" is one ampersand; "&x" underlines x.
            ++i;
            if (windowsText[i] == '&') {
                text += '&';
            } else {
                text += '_';
                text += windowsText[i] == '_' ? "__" : std::string(1, windowsText[i]);
            }
        }
    }
    return text;
}

std::string UnixLineBreaks(const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            result += text[i];
        } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
            result += '\n';
        }
    }
    return result;
}
