#pragma once

// The POSIX services as they run from `executable`: the registration names the running program,
// and in a test that is the korvlink binary under test, not the test itself.

#include <string>
#include <utility>

#include "platform/posix/posix_system.h"

class SystemAt : public PosixSystem {
public:
    explicit SystemAt(std::string executable) : PosixSystem(0, nullptr), m_executable(std::move(executable)) {}
    std::string ModuleFileName() const override { return m_executable; }

private:
    std::string m_executable;
};
