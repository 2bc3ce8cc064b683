#pragma once

#include <unistd.h>

// Owns a file descriptor and closes it on every path.
class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : m_fd(fd) {}
    ~UniqueFd() { Reset(); }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    UniqueFd(UniqueFd&& other) noexcept : m_fd(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) {
            Reset();
            m_fd = other.Release();
        }
        return *this;
    }

    int Get() const { return m_fd; }
    bool Valid() const { return m_fd >= 0; }
    int Release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    // Closes now, reporting the result: a failed close can mean lost data.
    bool Close() {
        const int fd = Release();
        return fd < 0 || ::close(fd) == 0;
    }
    void Reset() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
};
