// The shell registration on Linux: which files it writes where, and what it leaves alone.

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "../support/temp_dir.h"
#include "../support/system_at.h"
#include "config/shell_registration.h"
#include "platform/posix/posix_system.h"
#include "platform/posix/profile_file.h"

namespace {


std::string Read(const std::string& path) { return ReadWholeFile(path).value_or("<missing>"); }

class ShellRegistration : public ::testing::Test {
protected:
    void SetUp() override { UseDataHome(root / "data"); }
    void UseDataHome(const std::string& path) {
        dataHome = path;
        setenv("HOME", (root / "home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    }
    bool Register(const std::string& executable) const {
        return SystemAt(executable).WriteShellOpenCommand(kUnknownOpenCommandKey, ShellOpenCommand(executable));
    }
    std::string Registry() const { return Read(root / "config/korvlink/registry.reg"); }
    std::string Entry() const { return Read(dataHome + "/applications/korvlink-open.desktop"); }
    std::string MimeApps() const { return Read(root / "config/mimeapps.list"); }
    std::string Link() const { return dataHome + "/korvlink/korvlink"; }

    TempDir root;
    std::string dataHome;
};

TEST_F(ShellRegistration, WritesTheRegistryFileTheDesktopEntryAndTheDefault) {
    ASSERT_TRUE(Register("/usr/bin/korvlink"));
    EXPECT_EQ(Registry(),
              "REGEDIT4\n\n[HKEY_CLASSES_ROOT\\Unknown\\shell\\open\\command]\n"
              "@=\"/usr/bin/korvlink \\\"%1\\\"\"\n");
    EXPECT_NE(Entry().find("\nExec=/usr/bin/korvlink %f\n"), std::string::npos) << Entry();
    EXPECT_EQ(MimeApps(),
              "[Default Applications]\napplication/octet-stream=korvlink-open.desktop;\n\n"
              "[Added Associations]\napplication/octet-stream=korvlink-open.desktop;\n");
}

TEST_F(ShellRegistration, AnExecutableNotEveryOpenerCanStartIsNamedThroughALink) {
    for (const std::string executable : {"/opt/my apps/korvlink", "/opt/50%/korvlink"}) {
        SCOPED_TRACE(executable);
        ASSERT_TRUE(Register(executable));
        EXPECT_EQ(std::filesystem::read_symlink(Link()), executable);
        EXPECT_NE(Entry().find("\nExec=" + Link() + " %f\n"), std::string::npos) << Entry();
    }
    // Registered again from a path every opener can start, the link is no longer needed.
    ASSERT_TRUE(Register("/usr/bin/korvlink"));
    EXPECT_FALSE(std::filesystem::is_symlink(Link()));
    EXPECT_NE(Entry().find("\nExec=/usr/bin/korvlink %f\n"), std::string::npos) << Entry();
}

TEST_F(ShellRegistration, WhereOnlyQuotingHelpsTheExecutableIsQuoted) {
    UseDataHome(root / "my data");
    ASSERT_TRUE(Register("/opt/my apps/korvlink"));
    EXPECT_NE(Entry().find("\nExec=\"/opt/my apps/korvlink\" %f\n"), std::string::npos) << Entry();
    EXPECT_FALSE(std::filesystem::exists(Link()));
}

TEST_F(ShellRegistration, WhenNoOpenerCouldStartItTheDesktopIsLeftAloneWithOneLine) {
    UseDataHome(root / "100%");
    testing::internal::CaptureStderr();
    EXPECT_TRUE(Register("/opt/50%/korvlink"));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_NE(errors.find("/opt/50%/korvlink"), std::string::npos) << errors;
    EXPECT_NE(Registry(), "<missing>");
    EXPECT_EQ(Entry(), "<missing>");
    EXPECT_EQ(MimeApps(), "<missing>");
}

TEST_F(ShellRegistration, AFileThatCannotBeWrittenKeepsItsBytes) {
    const std::string oldList = "[Default Applications]\napplication/octet-stream=previous.desktop;\n";
    std::filesystem::create_directories(root / "config/korvlink");
    std::ofstream(root / "config/mimeapps.list") << oldList;
    std::ofstream(root / "config/korvlink/registry.reg") << "REGEDIT4\n";

    // A registry file that cannot be written fails the registration, before the desktop's files.
    chmod((root / "config/korvlink/registry.reg").c_str(), 0444);
    EXPECT_FALSE(Register("/usr/bin/korvlink"));
    EXPECT_EQ(Registry(), "REGEDIT4\n");
    EXPECT_EQ(Entry(), "<missing>");
    EXPECT_EQ(MimeApps(), oldList);

    // A list that cannot be written is the desktop's loss only: the key is written.
    chmod((root / "config/korvlink/registry.reg").c_str(), 0644);
    chmod((root / "config/mimeapps.list").c_str(), 0444);
    EXPECT_TRUE(Register("/usr/bin/korvlink"));
    EXPECT_NE(Registry(), "REGEDIT4\n");
    EXPECT_EQ(MimeApps(), oldList);
}

}  // namespace
