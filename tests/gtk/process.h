#pragma once

// A program started by a test: an exact argv and environment, standard output and error in
// files, and a bounded wait for its end.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

inline std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class Process {
public:
    // Starts `argv` with exactly `environment`; its output goes to `outputPrefix`.out and .err.
    Process(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
            const std::string& outputPrefix)
        : m_out(outputPrefix + ".out"), m_err(outputPrefix + ".err") {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, m_out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, m_err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::vector<std::string> args = argv, env = environment;
        std::vector<char*> argPointers, envPointers;
        for (std::string& a : args) argPointers.push_back(a.data());
        for (std::string& e : env) envPointers.push_back(e.data());
        argPointers.push_back(nullptr);
        envPointers.push_back(nullptr);
        if (posix_spawnp(&m_pid, args[0].c_str(), &actions, nullptr, argPointers.data(), envPointers.data()) != 0) {
            m_pid = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Process() {
        if (m_pid > 0 && !m_exitCode) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // The exit code once it has ended, or -1 when it is still running after `patience` (it is
    // then killed) or could not start.
    int Wait(std::chrono::milliseconds patience = std::chrono::seconds(10)) {
        if (m_pid <= 0) return -1;
        if (m_exitCode) return *m_exitCode;
        const auto deadline = std::chrono::steady_clock::now() + patience;
        int status = 0;
        while (waitpid(m_pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(m_pid, SIGKILL);
                waitpid(m_pid, &status, 0);
                m_exitCode = -1;
                return -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return *m_exitCode;
    }
    std::string Output() const { return ReadFileText(m_out); }
    std::string Errors() const { return ReadFileText(m_err); }
    pid_t Pid() const { return m_pid; }

private:
    std::string m_out, m_err;
    pid_t m_pid = -1;
    std::optional<int> m_exitCode;
};

// The environment variable's "NAME=value", or nothing when it is not set.
inline std::vector<std::string> Inherited(const std::vector<std::string>& names) {
    std::vector<std::string> environment;
    for (const std::string& name : names) {
        if (const char* value = std::getenv(name.c_str())) environment.push_back(name + "=" + value);
    }
    return environment;
}
