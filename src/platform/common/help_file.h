#pragma once

// The help file: plain text with numbered topics, which our own help engine shows on every
// platform. A line "@topic NUMBER TITLE" begins a topic; the lines up to the next such line are
// its text. Lines before the first topic are not shown.

#include <optional>
#include <string>
#include <string_view>

struct HelpTopic {
    std::string title;
    std::string text;  // without the blank lines around it
};

std::optional<HelpTopic> FindHelpTopic(std::string_view file, unsigned long topic);
