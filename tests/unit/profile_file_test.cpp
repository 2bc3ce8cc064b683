// The Linux profile file: where it lives and how writes keep what was there.

#include "platform/posix/profile_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "../support/temp_dir.h"
#include "platform/common/ini_text.h"
#include "platform/posix/posix_system.h"

namespace {

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Read(const std::string& path) { return ReadWholeFile(path).value_or("<missing>"); }

bool SetValue(const std::string& path, const std::string& key, const std::string& value) {
    return UpdateFileAtomically(path, [&](std::string_view old) { return WithIniValue(old, "Setup", key, value); });
}

std::size_t EntriesIn(const std::string& directory) {
    std::size_t count = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(directory)) ++count;
    return count;
}

TEST(ProfileFile, LivesUnderXdgConfigHomeOrHome) {
    TempDir home;
    setenv("HOME", home.Path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / "cfg").c_str(), 1);
    EXPECT_EQ(ProfileDirectory(), home / "cfg/korvlink");
    setenv("XDG_CONFIG_HOME", "relative/is/ignored", 1);
    EXPECT_EQ(ProfileDirectory(), home / ".config/korvlink");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(ProfileDirectory(), home / ".config/korvlink");
}

TEST(ProfileFile, AWriteCreatesTheDirectoriesAndTheFile) {
    TempDir dir;
    const std::string path = dir / "a/b/korvlink.INI";
    ASSERT_TRUE(SetValue(path, "Korvo path", "emu"));
    EXPECT_EQ(Read(path), "[Setup]\nKorvo path=emu\n");
}

TEST(ProfileFile, EveryOtherByteStays) {
    TempDir dir;
    const std::string path = dir / "korvlink.INI";
    const std::string before = "; mine\r\n\r\n[Other]\r\nx = 1 \r\n\r\n[setup]\r\n  korvo PATH  =  old  \r\n\r\n[Last]\r\ny=2";
    WriteFile(path, before);
    ASSERT_TRUE(SetValue(path, "Korvo path", "new"));
    ASSERT_TRUE(SetValue(path, "Viewer path", "view"));
    EXPECT_EQ(Read(path),
              "; mine\r\n\r\n[Other]\r\nx = 1 \r\n\r\n[setup]\r\n  korvo PATH  =new\r\nViewer path=view\r\n\r\n[Last]\r\ny=2");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u) << "no temporary file is left behind";
}

TEST(ProfileFile, TemporariesLeftByAKilledWriterAreRemovedByTheNextWrite) {
    TempDir dir;
    const std::string path = dir / "korvlink.INI";
    const struct {
        const char* name;
        bool stale;
    } files[] = {
        {".korvlink.INI.4242.0.tmp", true},
        {".korvlink.INI.1.17.tmp", true},
        {".korvlink.INI.bak", false},
        {".korvlink.INI.x.0.tmp", false},
        {".korvlink.INI.1.tmp", false},
        {".korvlink.INI.1.0.tmp.old", false},
        {"korvlink.INI.1.0.tmp", false},
        {".other.INI.1.0.tmp", false},
    };
    for (const auto& file : files) WriteFile(dir / file.name, "x");
    ASSERT_TRUE(SetValue(path, "Korvo path", "emu"));
    for (const auto& file : files) {
        EXPECT_EQ(std::filesystem::exists(dir / file.name), !file.stale) << file.name;
    }
    EXPECT_EQ(Read(path), "[Setup]\nKorvo path=emu\n");
}

TEST(ProfileFile, PermissionsAreKept) {
    TempDir dir;
    const std::string path = dir / "korvlink.INI";
    WriteFile(path, "[Setup]\n");
    chmod(path.c_str(), 0640);
    ASSERT_TRUE(SetValue(path, "Korvo path", "emu"));
    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST(ProfileFile, ASymbolicLinkStaysALinkAndItsTargetIsWritten) {
    TempDir dir;
    std::filesystem::create_directory(dir / "real");
    const std::string target = dir / "real/settings.ini";
    const std::string link = dir / "korvlink.INI";
    WriteFile(target, "[Setup]\nKorvo path=old\n");
    std::filesystem::create_symlink("real/settings.ini", link);
    ASSERT_TRUE(SetValue(link, "Korvo path", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(Read(target), "[Setup]\nKorvo path=new\n");

    // A dangling link gets its target created.
    const std::string dangling = dir / "dangling.INI";
    std::filesystem::create_symlink("real/new.ini", dangling);
    ASSERT_TRUE(SetValue(dangling, "Korvo path", "x"));
    EXPECT_TRUE(std::filesystem::is_symlink(dangling));
    EXPECT_EQ(Read(dir / "real/new.ini"), "[Setup]\nKorvo path=x\n");
}

TEST(ProfileFile, ReadOnlyFileOrFolderFailsAndKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir / "korvlink.INI";
    const std::string before = "[Setup]\nKorvo path=old\n";
    WriteFile(path, before);

    chmod(path.c_str(), 0444);
    EXPECT_FALSE(SetValue(path, "Korvo path", "new"));
    EXPECT_EQ(Read(path), before);
    chmod(path.c_str(), 0644);

    chmod(dir.Path().c_str(), 0555);
    EXPECT_FALSE(SetValue(path, "Korvo path", "new"));
    chmod(dir.Path().c_str(), 0755);
    EXPECT_EQ(Read(path), before);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(ProfileFile, AnUnchangedValueWritesNothing) {
    TempDir dir;
    const std::string path = dir / "korvlink.INI";
    WriteFile(path, "[Setup]\nKorvo path=same\n");
    const auto before = std::filesystem::last_write_time(path);
    struct stat oldStatus {};
    stat(path.c_str(), &oldStatus);
    ASSERT_TRUE(SetValue(path, "Korvo path", "same"));
    struct stat newStatus {};
    stat(path.c_str(), &newStatus);
    EXPECT_EQ(oldStatus.st_ino, newStatus.st_ino);
    EXPECT_EQ(std::filesystem::last_write_time(path), before);
}

TEST(ProfileFile, PosixSystemReadsAndWritesTheNamedProfile) {
    TempDir home;
    setenv("XDG_CONFIG_HOME", home.Path().c_str(), 1);
    const char* argv[] = {"korvlink"};
    PosixSystem system(1, argv);
    EXPECT_EQ(system.ReadProfileText("korvlink.INI", "Setup", "Korvo path", "def  "), "def");
    EXPECT_TRUE(system.WriteProfileText("korvlink.INI", "Setup", "Korvo path", "emu -a"));
    EXPECT_EQ(system.ReadProfileText("korvlink.INI", "Setup", "Korvo path", ""), "emu -a");
    EXPECT_EQ(Read(home / "korvlink/korvlink.INI"), "[Setup]\nKorvo path=emu -a\n");
    EXPECT_FALSE(system.WriteProfileText("korvlink.INI", "Setup", "bad=key", "v"));
}

}  // namespace
