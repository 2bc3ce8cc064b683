#include "platform/common/mime_apps_text.h"

#include <gtest/gtest.h>

namespace {

constexpr char kType[] = "application/octet-stream";
constexpr char kId[] = "korvlink-open.desktop";

std::string Register(const std::string& file) { return WithDefaultApplication(file, kType, kId); }
std::string Unregister(const std::string& file) { return WithoutDefaultApplication(file, kType, kId); }

struct Case {
    const char* name;
    std::string file;
    std::string expected;
};

const std::string kBoth =
    "[Default Applications]\napplication/octet-stream=korvlink-open.desktop;\n\n"
    "[Added Associations]\napplication/octet-stream=korvlink-open.desktop;\n";

// Files as users and desktops leave them, and what registering makes of them.
const Case kRegisterCases[] = {
    {"no file", "", kBoth},
    {"no groups, only a comment", "# mine\n", "# mine\n\n" + kBoth},
    {"without the groups, other groups and comments kept",
     "# keep me\n[Default Applications]\ntext/plain=editor.desktop;\n",
     "# keep me\n[Default Applications]\ntext/plain=editor.desktop;\n"
     "application/octet-stream=korvlink-open.desktop;\n\n"
     "[Added Associations]\napplication/octet-stream=korvlink-open.desktop;\n"},
    {"another default stays after korvlink",
     "[Default Applications]\napplication/octet-stream=previous.desktop;other.desktop;\n"
     "[Added Associations]\napplication/octet-stream=previous.desktop;\n",
     "[Default Applications]\n"
     "application/octet-stream=korvlink-open.desktop;previous.desktop;other.desktop;\n"
     "[Added Associations]\napplication/octet-stream=korvlink-open.desktop;previous.desktop;\n"},
    {"korvlink already first", kBoth, kBoth},
    {"korvlink second moves first, spelling of the rest normalised",
     "[Default Applications]\napplication/octet-stream = previous.desktop ; korvlink-open.desktop\n"
     "[Added Associations]\napplication/octet-stream=previous.desktop;korvlink-open.desktop;\n",
     "[Default Applications]\napplication/octet-stream = korvlink-open.desktop;previous.desktop;\n"
     "[Added Associations]\napplication/octet-stream=previous.desktop;korvlink-open.desktop;\n"},
    {"korvlink removed alone, its line goes",
     "[Removed Associations]\napplication/octet-stream=korvlink-open.desktop;\n[Other]\nx=1\n",
     "[Removed Associations]\n[Other]\nx=1\n\n" + kBoth},
    {"korvlink removed with others",
     "[Removed Associations]\napplication/octet-stream=a.desktop;korvlink-open.desktop;b.desktop;\n",
     "[Removed Associations]\napplication/octet-stream=a.desktop;b.desktop;\n\n" + kBoth},
    {"CRLF and no final line break",
     "; kept\r\n[Default Applications]\r\ntext/plain=editor.desktop;",
     "; kept\r\n[Default Applications]\r\ntext/plain=editor.desktop;\r\n"
     "application/octet-stream=korvlink-open.desktop;\r\n\r\n"
     "[Added Associations]\r\napplication/octet-stream=korvlink-open.desktop;\r\n"},
    {"new line goes after the group's last line, before its blank lines",
     "[Added Associations]\ntext/plain=editor.desktop;\n\n\n[Default Applications]\n\n",
     "[Added Associations]\ntext/plain=editor.desktop;\napplication/octet-stream=korvlink-open.desktop;\n\n\n"
     "[Default Applications]\napplication/octet-stream=korvlink-open.desktop;\n\n"},
    {"names are case-sensitive",
     "[default applications]\napplication/octet-stream=lower.desktop;\n"
     "[Default Applications]\nApplication/Octet-Stream=upper.desktop;\n",
     "[default applications]\napplication/octet-stream=lower.desktop;\n"
     "[Default Applications]\nApplication/Octet-Stream=upper.desktop;\n"
     "application/octet-stream=korvlink-open.desktop;\n\n"
     "[Added Associations]\napplication/octet-stream=korvlink-open.desktop;\n"},
    {"a repeated group or line is edited everywhere",
     "[Default Applications]\napplication/octet-stream=a.desktop;\n"
     "[Default Applications]\napplication/octet-stream=b.desktop;\napplication/octet-stream=c.desktop;\n"
     "[Added Associations]\napplication/octet-stream=korvlink-open.desktop;\n",
     "[Default Applications]\napplication/octet-stream=korvlink-open.desktop;a.desktop;\n"
     "[Default Applications]\napplication/octet-stream=korvlink-open.desktop;b.desktop;\n"
     "application/octet-stream=korvlink-open.desktop;c.desktop;\n"
     "[Added Associations]\napplication/octet-stream=korvlink-open.desktop;\n"},
};

TEST(MimeApps, RegisteringPutsKorvlinkFirstAndKeepsEverythingElse) {
    for (const Case& c : kRegisterCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Register(c.file), c.expected);
        EXPECT_EQ(Register(c.expected), c.expected) << "registering twice";
    }
}

TEST(MimeApps, UnregisteringBringsThePreviousDefaultBack) {
    const Case cases[] = {
        {"korvlink was the only one: the lines go, the groups stay", kBoth,
         "[Default Applications]\n\n[Added Associations]\n"},
        {"not registered", "# x\n[Default Applications]\ntext/plain=a.desktop;\n",
         "# x\n[Default Applications]\ntext/plain=a.desktop;\n"},
        {"removed associations are left alone",
         "[Removed Associations]\napplication/octet-stream=korvlink-open.desktop;\n",
         "[Removed Associations]\napplication/octet-stream=korvlink-open.desktop;\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Unregister(c.file), c.expected);
    }

    // A file that named the previous default in both groups is exactly what it was.
    const std::string before =
        "# mine\r\n[Default Applications]\r\napplication/octet-stream=previous.desktop;\r\n"
        "text/plain=editor.desktop;\r\n\r\n[Added Associations]\r\n"
        "application/octet-stream=previous.desktop;\r\n[Other]\r\nkey=value";
    EXPECT_EQ(Unregister(Register(before)), before);
}

}  // namespace
