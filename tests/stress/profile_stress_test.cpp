// The settings file under stress: several processes writing at once, and writers killed with
// SIGKILL at any moment. Every writer is a forked child running the real write path.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../support/temp_dir.h"
#include "platform/common/ini_text.h"
#include "platform/posix/profile_file.h"

namespace {

bool SetValue(const std::string& path, const std::string& key, const std::string& value) {
    return UpdateFileAtomically(path, [&](std::string_view old) { return WithIniValue(old, "Setup", key, value); });
}

std::string Read(const std::string& path) { return ReadWholeFile(path).value_or("<missing>"); }

std::vector<std::string> TemporariesIn(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0) names.push_back(name);
    }
    return names;
}

// Runs `work` in a child process and returns its pid; the child's exit code is work()'s.
template <typename Work>
pid_t Spawn(Work work) {
    const pid_t pid = fork();
    if (pid == 0) _exit(work());
    return pid;
}

int ExitCodeOf(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(ProfileStress, ConcurrentWritersLoseNoKey) {
    constexpr int kWriters = 4;
    constexpr int kKeysEach = 20;
    TempDir dir;
    std::filesystem::create_directories(dir / "config");
    std::filesystem::create_directories(dir / "elsewhere");
    const std::string path = dir / "config/korvlink.INI";
    // Half the writers go through a link from another folder: the lock must be the target's.
    std::filesystem::create_symlink(path, dir / "elsewhere/korvlink.INI");

    // The children wait at a closed pipe, so that they all start writing together.
    int gate[2];
    ASSERT_EQ(pipe(gate), 0);
    std::vector<pid_t> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        const std::string through = writer % 2 ? path : dir / "elsewhere/korvlink.INI";
        writers.push_back(Spawn([&, writer] {
            close(gate[1]);
            char byte;
            (void)!read(gate[0], &byte, 1);
            const std::string own = "writer " + std::to_string(writer);
            for (int i = 0; i < kKeysEach; ++i) {
                // A new key each time, and one key of its own rewritten each time.
                if (!SetValue(through, own + " key " + std::to_string(i), "value " + std::to_string(i)) ||
                    !SetValue(through, own, std::to_string(i))) {
                    return 1;
                }
            }
            return 0;
        }));
    }
    close(gate[0]);
    close(gate[1]);
    for (const pid_t pid : writers) EXPECT_EQ(ExitCodeOf(pid), 0);

    const std::string file = Read(path);
    for (int writer = 0; writer < kWriters; ++writer) {
        const std::string own = "writer " + std::to_string(writer);
        EXPECT_EQ(ReadProfileValue(file, "Setup", own, "<lost>"), std::to_string(kKeysEach - 1)) << own;
        for (int i = 0; i < kKeysEach; ++i) {
            const std::string key = own + " key " + std::to_string(i);
            EXPECT_EQ(ReadProfileValue(file, "Setup", key, "<lost>"), "value " + std::to_string(i)) << key;
        }
    }
    EXPECT_EQ(ParseIniLines(file).size(), 1u + kWriters * (kKeysEach + 1)) << "no line twice";
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "elsewhere/korvlink.INI"));
    EXPECT_TRUE(TemporariesIn(dir / "config").empty());
}

// A file big enough that a write takes a while, with a value that says which write it is.
class KilledWriter : public ::testing::Test {
protected:
    static std::string Value(int generation) {
        return "generation " + std::to_string(generation) + " " + std::string(3000, static_cast<char>('a' + generation % 26));
    }
    static int GenerationOf(const std::string& file) {
        return std::atoi(ReadProfileValue(file, "Setup", "Korvo path", "generation -1").c_str() + 11);
    }
    // The whole file after `generation` writes: only the one value differs from the first.
    std::string Expected(int generation) const { return WithIniValue(m_base, "Setup", "Korvo path", Value(generation)); }

    void SetUp() override {
        m_base = "; my settings\r\n\r\n[Padding]\r\n";
        for (int i = 0; i < 2000; ++i) m_base += "line " + std::to_string(i) + "=" + std::string(60, 'p') + "\r\n";
        m_base += "\r\n[Setup]\r\nKorvo path=" + Value(0) + "\r\n\r\n[Last]\r\nz=1";
    }

    std::string m_base;
};

TEST_F(KilledWriter, LeavesTheOldFileOrTheNewNeverATornOne) {
    TempDir dir;
    const std::string path = dir / "korvlink.INI";
    ASSERT_TRUE(UpdateFileAtomically(path, [&](std::string_view) { return m_base; }));

    // The kills fall anywhere in the writer's first two or three writes, on a fast build and a
    // slow (sanitizer) one alike: how long a write takes here is measured first.
    const std::string scratch = dir / "scratch.INI";
    const auto start = std::chrono::steady_clock::now();
    for (int i = 1; i <= 4; ++i) UpdateFileAtomically(scratch, [&](std::string_view) { return Expected(i); });
    const auto oneWrite = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start) / 4;
    std::filesystem::remove(scratch);

    std::mt19937 random(20240611);
    std::uniform_int_distribution<long> delayMicroseconds(0, 5 * oneWrite.count() / 2);
    int generation = 0;
    for (int kill = 0; kill < 30; ++kill) {
        int started[2];
        ASSERT_EQ(pipe(started), 0);
        const pid_t writer = Spawn([&] {
            (void)!write(started[1], "s", 1);
            // Writes the next generation, again and again, until it is killed.
            while (UpdateFileAtomically(path, [](std::string_view old) {
                return WithIniValue(old, "Setup", "Korvo path", Value(GenerationOf(std::string(old)) + 1));
            })) {
            }
            return 1;
        });
        char byte;
        (void)!read(started[0], &byte, 1);
        close(started[0]);
        close(started[1]);
        usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        ASSERT_EQ(::kill(writer, SIGKILL), 0);
        ASSERT_EQ(ExitCodeOf(writer), 128 + SIGKILL) << "the writer stopped by itself";

        const std::string file = Read(path);
        const int now = GenerationOf(file);
        ASSERT_GE(now, generation) << "an older file came back";
        ASSERT_EQ(file, Expected(now)) << "torn after kill " << kill;
        generation = now;
        // At most the one temporary of the write the kill interrupted.
        ASSERT_LE(TemporariesIn(dir.Path()).size(), 1u);
    }
    EXPECT_GT(generation, 0) << "the writers never finished a write";

    // The next write goes through, and takes away what a killed writer left.
    ASSERT_TRUE(SetValue(path, "Viewer path", "viewer"));
    EXPECT_TRUE(TemporariesIn(dir.Path()).empty());
    EXPECT_EQ(ReadProfileValue(Read(path), "Setup", "Korvo path", ""), Value(generation));
}

}  // namespace
