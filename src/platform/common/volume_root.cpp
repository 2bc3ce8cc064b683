#include "platform/common/volume_root.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The index just after the first separator at or after `from`, or npos.
std::size_t AfterSeparator(const std::string& path, std::size_t from, IsLeadByteFn isLead) {
    for (std::size_t i = from; i < path.size(); i = NextCharacter(path, i, isLead)) {
        if (!isLead(static_cast<unsigned char>(path[i])) && IsSeparator(path[i])) return i + 1;
    }
    return std::string::npos;
}

}  // namespace

std::string VolumeRoot(const std::string& fullPath, IsLeadByteFn isLead) {
    const bool network = fullPath.size() >= 2 && IsSeparator(fullPath[0]) && IsSeparator(fullPath[1]);
    std::size_t end = AfterSeparator(fullPath, network ? 2 : 0, isLead);
    // A network path's first name is the server, its second the share.
    if (network && end != std::string::npos) end = AfterSeparator(fullPath, end, isLead);
    return end == std::string::npos ? fullPath : fullPath.substr(0, end);
}
