#include "platform/common/volume_root.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_system.h"

namespace {

TEST(VolumeRoot, IsTheDriveOrTheShare) {
    struct Case {
        std::string fullPath;
        std::string root;
        IsLeadByteFn leadBytes = NoLeadBytes;
    };
    const Case cases[] = {
        {"C:\\mac\\report", "C:\\"},
        {"c:/mac/report", "c:/"},
        {"C:\\", "C:\\"},
        {"\\\\server\\share\\dir\\file", "\\\\server\\share\\"},
        {"//server/share/file", "//server/share/"},
        {"\\\\server\\share\\", "\\\\server\\share\\"},
        {"\\\\?\\C:\\dir\\file", "\\\\?\\C:\\"},
        // Without the separator that ends it, the root is the whole path.
        {"\\\\server\\share", "\\\\server\\share"},
        {"C:", "C:"},
        {"", ""},
        // Under code page 932, 0x95 0x5C is one character of the server's name.
        {"\\\\\x95\\srv\\share\\file", "\\\\\x95\\srv\\share\\", ShiftJisLeadBytes},
        {"\\\\\x95\\srv\\share\\file", "\\\\\x95\\srv\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fullPath);
        EXPECT_EQ(VolumeRoot(c.fullPath, c.leadBytes), c.root);
    }
}

}  // namespace
