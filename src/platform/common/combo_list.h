#pragma once

// The list of a drop-down combo box, with the rules Windows applies to it, for backends that
// keep the list themselves (GTK, headless). Windows itself uses its own control.

#include <string>
#include <vector>

// Whether `a` sorts before `b` in a sorted list: letter case is ignored, '-' and '\'' count only
// when the texts are otherwise equal ("coop" < "co-op"), and blanks and other punctuation sort
// before digits, digits before letters ("_a" < "1" < "10" < "9" < "a b" < "ab"). Bytes above
// 0x7F sort after the letters, by value.
bool ComboSortsBefore(const std::string& a, const std::string& b);

class ComboList {
public:
    explicit ComboList(bool sorted) : m_sorted(sorted) {}

    // CB_ADDSTRING: at its sorted place (in front of an entry it equals ignoring case), or at
    // the end of an unsorted list. Returns the index.
    int Add(const std::string& text);
    // CB_FINDSTRING: the first entry after `startAfter` (-1: the whole list, from the first) that
    // begins with `text` ignoring ASCII letter case, wrapping round; -1 for none or an empty text.
    int FindPrefix(int startAfter, const std::string& text) const;
    // CB_FINDSTRINGEXACT: the same for an entry equal to `text` ignoring case.
    int FindExact(int startAfter, const std::string& text) const;

    const std::vector<std::string>& Items() const { return m_items; }
    int Count() const { return static_cast<int>(m_items.size()); }

private:
    template <class Match>
    int Find(int startAfter, Match match) const;

    bool m_sorted;
    std::vector<std::string> m_items;
};
