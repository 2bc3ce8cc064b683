#include "launcher/document_names.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_system.h"

namespace {

struct Case {
    const char* name;
    std::string tail;
    DocumentPaths paths;
};

// The launcher's own steps: strip the quotes, lower-case where names ignore case, compose.
DocumentPaths Resolve(const std::string& tail, PathStyle style, bool ignoreCase, IsLeadByteFn isLead) {
    std::string document = DocumentFromTail(tail);
    if (ignoreCase) document = LowerCaseAscii(document, isLead);
    return ComposeDocumentPaths(document, style, isLead);
}

void ExpectPaths(const Case& c, PathStyle style, bool ignoreCase, IsLeadByteFn isLead = NoLeadBytes) {
    SCOPED_TRACE(c.name);
    const DocumentPaths paths = Resolve(c.tail, style, ignoreCase, isLead);
    EXPECT_EQ(paths.document, c.paths.document);
    EXPECT_EQ(paths.data, c.paths.data);
    EXPECT_EQ(paths.companion, c.paths.companion);
}

TEST(DocumentNames, WindowsTailsGiveTheDataAndCompanionPaths) {
    const Case cases[] = {
        {"quoted", "\"C:\\Mac\\Report\"", {"c:\\mac\\report", "c:\\mac\\report", "c:\\mac\\%report"}},
        {"blanks in the path", "\"C:\\My Documents\\Old Letter\"",
         {"c:\\my documents\\old letter", "c:\\my documents\\old letter", "c:\\my documents\\%old letter"}},
        {"unquoted", "C:\\My Documents\\Old Letter",
         {"c:\\my documents\\old letter", "c:\\my documents\\old letter", "c:\\my documents\\%old letter"}},
        {"quote and blanks before", "\"  C:\\Mac\\Report\"", {"c:\\mac\\report", "c:\\mac\\report", "c:\\mac\\%report"}},
        {"extension", "\"C:\\MAC\\REPORT.TXT\"", {"c:\\mac\\report.txt", "c:\\mac\\report.txt", "c:\\mac\\%report.txt"}},
        {"two dots", "\"c:\\mac\\my.report.old\"",
         {"c:\\mac\\my.report.old", "c:\\mac\\my.report.old", "c:\\mac\\%my.report.old"}},
        {"dot in the directory", "\"c:\\my.dir\\report\"", {"c:\\my.dir\\report", "c:\\my.dir\\report", "c:\\my.dir\\%report"}},
        {"lone dot extension", "\"c:\\mac\\report.\"", {"c:\\mac\\report.", "c:\\mac\\report.", "c:\\mac\\%report."}},
        {"empty name part", "\"c:\\mac\\.profile\"", {"c:\\mac\\.profile", "c:\\mac\\.profile", "c:\\mac\\%.profile"}},
        {"companion opened", "\"c:\\mac\\%report\"", {"c:\\mac\\%report", "c:\\mac\\report", "c:\\mac\\%report"}},
        {"two percent signs lose one", "\"c:\\mac\\%%report\"", {"c:\\mac\\%%report", "c:\\mac\\%report", "c:\\mac\\%%report"}},
        {"percent and extension only", "\"c:\\mac\\%.txt\"", {"c:\\mac\\%.txt", "c:\\mac\\.txt", "c:\\mac\\%.txt"}},
        {"no directory", "\"report\"", {"report", "report", "%report"}},
        {"drive without directory", "\"c:report\"", {"c:report", "c:report", "c:%report"}},
        {"forward slashes", "\"c:/mac/report\"", {"c:/mac/report", "c:/mac/report", "c:/mac/%report"}},
        {"two closing quotes", "\"C:\\Mac\\Report\"\"", {"c:\\mac\\report\"", "c:\\mac\\report\"", "c:\\mac\\%report\""}},
        {"a blank after the closing quote", "\"C:\\Mac\\Report\" ",
         {"c:\\mac\\report\" ", "c:\\mac\\report\" ", "c:\\mac\\%report\" "}},
        {"two quoted paths", "\"C:\\A\\One\" \"C:\\B\\Two\"",
         {"c:\\a\\one\" \"c:\\b\\two", "c:\\a\\one\" \"c:\\b\\two", "c:\\a\\one\" \"c:\\b\\%two"}},
        {"only quotes and blanks", "\" \"\" \"", {"", "", "%"}},
        {"network path", "\"\\\\Server\\Share\\Dir\\Report\"",
         {"\\\\server\\share\\dir\\report", "\\\\server\\share\\dir\\report", "\\\\server\\share\\dir\\%report"}},
        {"capitals above 0x7f stay", "\"C:\\\xC4RGER\"", {"c:\\\xC4rger", "c:\\\xC4rger", "c:\\%\xC4rger"}},
        {"a tab ends the skipping", "\"\tC:\\X\"", {"\tc:\\x", "\tc:\\x", "\tc:\\%x"}},
    };
    for (const Case& c : cases) ExpectPaths(c, PathStyle::kWindows, true);
}

TEST(DocumentNames, LeadBytePairsStayWhole) {
    // Under code page 932, 0x95 0x5C is one character (not a separator) and 0x95 0x41 one
    // character (its second byte is not a capital A).
    const Case cases[] = {
        {"trail byte looks like a backslash", "\"C:\\MAC\\\x95\\REPORT\"",
         {"c:\\mac\\\x95\\report", "c:\\mac\\\x95\\report", "c:\\mac\\%\x95\\report"}},
        {"trail byte looks like a capital", "\"C:\\MAC\\\x95" "AB\"", {"c:\\mac\\\x95" "Ab", "c:\\mac\\\x95" "Ab", "c:\\mac\\%\x95" "Ab"}},
    };
    for (const Case& c : cases) ExpectPaths(c, PathStyle::kWindows, true, ShiftJisLeadBytes);
}

TEST(DocumentNames, LinuxPathsKeepTheirCaseAndSplitOnlyAtSlashes) {
    const Case cases[] = {
        {"file manager argument", "\"/home/ann/Mac/Report\"",
         {"/home/ann/Mac/Report", "/home/ann/Mac/Report", "/home/ann/Mac/%Report"}},
        {"companion opened", "\"/home/ann/Mac/%Report\"",
         {"/home/ann/Mac/%Report", "/home/ann/Mac/Report", "/home/ann/Mac/%Report"}},
        {"backslash in a name", "\"/tmp/a\\b\"", {"/tmp/a\\b", "/tmp/a\\b", "/tmp/%a\\b"}},
        {"colon in a name", "\"c:report\"", {"c:report", "c:report", "%c:report"}},
        {"hidden file", "\"/home/ann/.Report\"", {"/home/ann/.Report", "/home/ann/.Report", "/home/ann/%.Report"}},
    };
    for (const Case& c : cases) ExpectPaths(c, PathStyle::kPosix, false);
}

}  // namespace
