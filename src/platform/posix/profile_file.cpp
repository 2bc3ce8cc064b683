#include "platform/posix/profile_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "platform/posix/unique_fd.h"

namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

std::string HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') return home;
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return "/";
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows symbolic links to the file that is really written, even when the last one dangles.
std::string FinalTarget(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::string target(4096, '\0');
        const ssize_t length = readlink(path.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size()) return path;
        target.resize(static_cast<std::size_t>(length));
        path = target[0] == '/' ? target : DirectoryOf(path) + "/" + target;
    }
    return path;
}

bool MakeDirectories(const std::string& directory) {
    struct stat status {};
    if (stat(directory.c_str(), &status) == 0) return S_ISDIR(status.st_mode);
    const std::string parent = DirectoryOf(directory);
    if (parent != directory && !MakeDirectories(parent)) return false;
    return mkdir(directory.c_str(), 0777) == 0 || errno == EEXIST;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string FileNameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// The name of a temporary for the file `base`: ".<base>.<process id>.<attempt>.tmp".
std::string TemporaryName(const std::string& base, int attempt) {
    return "." + base + "." + std::to_string(getpid()) + "." + std::to_string(attempt) + ".tmp";
}

bool IsTemporaryOf(std::string_view name, const std::string& base) {
    const std::string prefix = "." + base + ".";
    constexpr std::string_view kSuffix = ".tmp";
    if (name.size() <= prefix.size() + kSuffix.size() || name.substr(0, prefix.size()) != prefix ||
        name.substr(name.size() - kSuffix.size()) != kSuffix) {
        return false;
    }
    const std::string_view numbers = name.substr(prefix.size(), name.size() - prefix.size() - kSuffix.size());
    const std::size_t dot = numbers.find('.');
    const auto digits = [](std::string_view text) {
        return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return dot != std::string_view::npos && digits(numbers.substr(0, dot)) && digits(numbers.substr(dot + 1));
}

// Every writer makes its temporary while it holds the directory's lock and renames or removes it
// before letting go, so one that the lock's holder finds was left by a writer that died in
// between (killed, or the machine went down). Without this they would pile up.
void RemoveStaleTemporaries(const std::string& directory, int directoryFd, const std::string& base) {
    DIR* entries = opendir(directory.c_str());
    if (entries == nullptr) return;
    while (const dirent* entry = readdir(entries)) {
        if (IsTemporaryOf(entry->d_name, base)) unlinkat(directoryFd, entry->d_name, 0);
    }
    closedir(entries);
}

// A new file beside `target`, named so that no other writer picks the same one.
UniqueFd CreateTemporary(const std::string& target, std::string& name) {
    const std::string directory = DirectoryOf(target);
    const std::string base = FileNameOf(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = directory + "/" + TemporaryName(base, attempt);
        UniqueFd fd(open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.Valid() || errno != EEXIST) return fd;
    }
    return UniqueFd();
}

}  // namespace

std::string XdgBaseDirectory(const char* variable, const std::string& underHome) {
    const char* value = std::getenv(variable);
    // A relative setting is invalid and must be ignored.
    return (value != nullptr && value[0] == '/') ? std::string(value) : HomeDirectory() + "/" + underHome;
}

std::string ProfileDirectory() { return XdgBaseDirectory("XDG_CONFIG_HOME", ".config") + "/korvlink"; }

std::optional<std::string> ReadWholeFile(const std::string& path) {
    UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.Valid()) return std::nullopt;
    std::string bytes;
    char buffer[8192];
    while (true) {
        const ssize_t count = read(fd.Get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (count == 0) return bytes;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

bool UpdateFileAtomically(const std::string& path,
                          const std::function<std::string(std::string_view)>& edit) {
    const std::string target = FinalTarget(path);
    const std::string directory = DirectoryOf(target);
    if (!MakeDirectories(directory)) return false;

    UniqueFd directoryFd(open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directoryFd.Valid()) return false;
    struct stat directoryStatus {};
    if (fstat(directoryFd.Get(), &directoryStatus) != 0 || (directoryStatus.st_mode & kAnyWrite) == 0) {
        return false;
    }
    // The lock is released when directoryFd closes, after the rename.
    while (flock(directoryFd.Get(), LOCK_EX) != 0) {
        if (errno != EINTR) return false;
    }
    RemoveStaleTemporaries(directory, directoryFd.Get(), FileNameOf(target));

    struct stat fileStatus {};
    const bool exists = stat(target.c_str(), &fileStatus) == 0;
    if (!exists && errno != ENOENT) return false;
    if (exists && (fileStatus.st_mode & kAnyWrite) == 0) return false;
    std::string old;
    if (exists) {
        std::optional<std::string> bytes = ReadWholeFile(target);
        if (!bytes) return false;
        old = std::move(*bytes);
    }

    const std::string updated = edit(old);
    if (exists && updated == old) return true;

    std::string temporary;
    UniqueFd fd = CreateTemporary(target, temporary);
    if (!fd.Valid()) return false;
    bool ok = WriteAll(fd.Get(), updated);
    if (ok && exists) {
        ok = fchmod(fd.Get(), fileStatus.st_mode & 07777) == 0;
        // Only root can give the file back to its owner; anyone else already owns it.
        if (ok && geteuid() == 0) (void)!fchown(fd.Get(), fileStatus.st_uid, fileStatus.st_gid);
    }
    ok = ok && fsync(fd.Get()) == 0;
    ok = fd.Close() && ok;
    ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    // Makes the rename itself durable.
    fsync(directoryFd.Get());
    return true;
}
