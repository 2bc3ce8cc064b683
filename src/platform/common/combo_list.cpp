#include "platform/common/combo_list.h"

#include <algorithm>
#include <iterator>

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

bool IsIgnorable(char c) { return c == '-' || c == '\''; }

// Blanks and punctuation, then digits, then letters, then bytes above 0x7F.
int Rank(char c) {
    const unsigned char byte = static_cast<unsigned char>(Lower(c));
    if (byte >= 0x80) return 3;
    if (byte >= 'a' && byte <= 'z') return 2;
    if (byte >= '0' && byte <= '9') return 1;
    return 0;
}

std::string Folded(const std::string& text) {
    std::string folded;
    for (char c : text) {
        if (!IsIgnorable(c)) folded += Lower(c);
    }
    return folded;
}

int CompareFolded(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] == b[i]) continue;
        const int rankA = Rank(a[i]), rankB = Rank(b[i]);
        if (rankA != rankB) return rankA < rankB ? -1 : 1;
        return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]) ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    return !prefix.empty() && text.size() >= prefix.size() &&
           EqualIgnoringCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

bool ComboSortsBefore(const std::string& a, const std::string& b) {
    const std::string foldedA = Folded(a), foldedB = Folded(b);
    if (const int order = CompareFolded(foldedA, foldedB); order != 0) return order < 0;
    // Equal ignoring case and marks: a capital sorts before its small letter ("ABC" < "abc"),
    // then the text with fewer marks comes first ("coop" < "co-op").
    std::string bareA, bareB;
    std::copy_if(a.begin(), a.end(), std::back_inserter(bareA), [](char c) { return !IsIgnorable(c); });
    std::copy_if(b.begin(), b.end(), std::back_inserter(bareB), [](char c) { return !IsIgnorable(c); });
    if (bareA != bareB) return bareA < bareB;
    const auto marksA = std::count_if(a.begin(), a.end(), IsIgnorable);
    const auto marksB = std::count_if(b.begin(), b.end(), IsIgnorable);
    if (marksA != marksB) return marksA < marksB;
    return a < b;
}

int ComboList::Add(const std::string& text) {
    auto at = m_items.end();
    if (m_sorted) {
        // In front of every entry it does not sort after: an equal one ends up behind it.
        at = std::find_if(m_items.begin(), m_items.end(),
                          [&text](const std::string& item) { return !ComboSortsBefore(item, text); });
    }
    at = m_items.insert(at, text);
    return static_cast<int>(at - m_items.begin());
}

template <class Match>
int ComboList::Find(int startAfter, Match match) const {
    const int count = Count();
    if (count == 0) return -1;
    const int first = (startAfter < 0 || startAfter >= count) ? 0 : startAfter + 1;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        if (match(m_items[static_cast<std::size_t>(index)])) return index;
    }
    return -1;
}

int ComboList::FindPrefix(int startAfter, const std::string& text) const {
    return Find(startAfter, [&text](const std::string& item) { return StartsWithIgnoringCase(item, text); });
}

int ComboList::FindExact(int startAfter, const std::string& text) const {
    return Find(startAfter, [&text](const std::string& item) { return EqualIgnoringCase(item, text); });
}
