#include "platform/common/desktop_entry.h"

#include <gtest/gtest.h>

namespace {

TEST(DesktopEntry, ExecProgramIsQuotedAndEscapedByTheDesktopEntryRules) {
    const struct {
        std::string path;
        std::optional<std::string> exec;
    } cases[] = {
        {"/usr/bin/korvlink", "/usr/bin/korvlink"},
        {"/opt/k-1.0/bin/korv+link,x@y:z=w", "/opt/k-1.0/bin/korv+link,x@y:z=w"},
        {"/opt/kävijä/korvlink", "/opt/kävijä/korvlink"},
        {"/opt/my apps/korvlink", "\"/opt/my apps/korvlink\""},
        {"/opt/50%/korvlink", "/opt/50%%/korvlink"},
        {"/opt/50 %/korvlink", "\"/opt/50 %%/korvlink\""},
        // Inside quotes: \" \` \$ \\ ; then each backslash is doubled for the string value.
        {"/opt/a\"b/korvlink", "\"/opt/a\\\\\"b/korvlink\""},
        {"/opt/a\\b/korvlink", "\"/opt/a\\\\\\\\b/korvlink\""},
        {"/opt/$HOME/`id`/korvlink", "\"/opt/\\\\$HOME/\\\\`id\\\\`/korvlink\""},
        {"/opt/it's/korvlink", "\"/opt/it's/korvlink\""},
        {"/opt/a;b|c&d<e>f~g*h?i#j(k)/korvlink", "\"/opt/a;b|c&d<e>f~g*h?i#j(k)/korvlink\""},
        {"/opt/tab\there/korvlink", std::nullopt},
        {"/opt/new\nline/korvlink", std::nullopt},
        {"/opt/del\x7f/korvlink", std::nullopt},
        {"/opt/latin1-\xe4/korvlink", std::nullopt},
        {"/opt/overlong-\xc0\xaf/korvlink", std::nullopt},
        {"/opt/surrogate-\xed\xa0\x80/korvlink", std::nullopt},
        {"/opt/cut-\xe2\x82", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(DesktopExecProgram(c.path), c.exec);
    }
}

TEST(DesktopEntry, TheExecutableIsNamedDirectlyWheneverEveryOpenerCanStartIt) {
    const std::string plainLink = "/home/u/.local/share/korvlink/korvlink";
    const std::string quotedLink = "/home/u v/.local/share/korvlink/korvlink";
    const std::string percentLink = "/home/100%/.local/share/korvlink/korvlink";
    const struct {
        std::string executable;
        std::string link;
        DesktopProgram expected;
    } cases[] = {
        {"/usr/bin/korvlink", plainLink, DesktopProgram::kExecutable},
        {"/usr/bin/korvlink", percentLink, DesktopProgram::kExecutable},
        {"/opt/my apps/korvlink", plainLink, DesktopProgram::kLink},
        {"/opt/50%/korvlink", plainLink, DesktopProgram::kLink},
        {"/opt/latin1-\xe4/korvlink", plainLink, DesktopProgram::kLink},
        {"/opt/my apps/korvlink", quotedLink, DesktopProgram::kExecutable},
        {"/opt/50%/korvlink", quotedLink, DesktopProgram::kLink},
        {"/opt/my apps/korvlink", percentLink, DesktopProgram::kExecutable},
        {"/opt/50%/korvlink", percentLink, DesktopProgram::kNeither},
        {"/opt/latin1-\xe4/korvlink", percentLink, DesktopProgram::kNeither},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.executable + " | " + c.link);
        EXPECT_EQ(ChooseDesktopProgram(c.executable, c.link), c.expected);
    }
}

}  // namespace
