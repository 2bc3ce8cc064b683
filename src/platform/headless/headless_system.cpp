#include "platform/headless/headless_system.h"

#include "platform/common/ini_text.h"

std::string HeadlessSystem::ReadProfileText(const std::string& fileName, const std::string& section,
                                            const std::string& key, const std::string& defaultValue) {
    events.push_back("read " + section + "/" + key);
    const auto file = profileFiles.find(fileName);
    return ReadProfileValue(file == profileFiles.end() ? std::string() : file->second, section, key,
                            defaultValue);
}

bool HeadlessSystem::WriteProfileText(const std::string& fileName, const std::string& section,
                                      const std::string& key, const std::string& value) {
    events.push_back("write " + section + "/" + key + "=" + value);
    if (failProfileWrites || !IsWritableIniName(section, key)) return false;
    std::string& file = profileFiles[fileName];
    file = WithIniValue(file, section, key, value);
    return true;
}

bool HeadlessSystem::PathIsPresent(const std::string& path) {
    events.push_back("probe " + path);
    return presentPaths.count(path) != 0;
}

int HeadlessSystem::StartProgram(const std::string& command, const std::string& document) {
    events.push_back("start " + command + " | " + document);
    return startResult;
}

bool HeadlessSystem::WriteShellOpenCommand(const std::string& keyPath, const std::string& command) {
    events.push_back("register " + keyPath + "=" + command);
    if (failRegistryWrites) return false;
    registry[keyPath] = command;
    return true;
}

bool ShiftJisLeadBytes(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
