#include "platform/common/help_file.h"

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

namespace {

TEST(HelpFile, FindsANumberedTopic) {
    const std::string file =
        "preface, not shown\r\n@topic 1 First\r\n\r\nline one\r\n  line two\r\n\r\n@topic 12 Second\nbody\n@topic 3\n";
    struct Case {
        unsigned long topic;
        std::optional<HelpTopic> expected;
    };
    const Case cases[] = {
        {1, HelpTopic{"First", "line one\n  line two"}},
        {12, HelpTopic{"Second", "body"}},
        {3, HelpTopic{"", ""}},
        {2, std::nullopt},
        {123, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.topic);
        const std::optional<HelpTopic> found = FindHelpTopic(file, c.topic);
        ASSERT_EQ(found.has_value(), c.expected.has_value());
        if (found) {
            EXPECT_EQ(found->title, c.expected->title);
            EXPECT_EQ(found->text, c.expected->text);
        }
    }
}

TEST(HelpFile, TheShippedFileHasBothDialogTopics) {
    std::ifstream in(KORVLINK_HELP_FILE, std::ios::binary);
    const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (unsigned long topic : {131174UL, 131172UL}) {
        const std::optional<HelpTopic> found = FindHelpTopic(file, topic);
        ASSERT_TRUE(found) << topic;
        EXPECT_FALSE(found->title.empty());
        EXPECT_GT(found->text.size(), 100u);
    }
}

}  // namespace
