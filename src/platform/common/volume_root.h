#pragma once

// The root of the volume a full Windows path lies on, as the directory that a volume query
// (GetVolumeInformation) needs: "C:\" for a drive path, "\\server\share\" for a network path.

#include <string>

#include "platform/lead_bytes.h"

// A path that starts with two separators (backslash or '/') is a network path: its root runs
// from the start through the separator that ends the second name after that pair. Any other
// path's root runs through its first separator. Without that separator the root is the whole
// path. A lead byte and the byte after it are never a separator.
std::string VolumeRoot(const std::string& fullPath, IsLeadByteFn isLead);
