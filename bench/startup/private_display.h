#pragma once

#include "child_process.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// An X server of its own (Xvfb, 1280 × 1024, white root) with a session bus
// and a runtime folder, as a desktop gives a program, for the programs
// measured on it. Everything it started ends with it.
class PrivateDisplay
{
public:
    PrivateDisplay();
    ~PrivateDisplay();
    PrivateDisplay(const PrivateDisplay &) = delete;
    PrivateDisplay &operator=(const PrivateDisplay &) = delete;

    const std::string &Name() const { return name_; }
    // The environment for a program started on the display.
    const std::vector<std::string> &Environment() const { return environment_; }

private:
    std::filesystem::path folder_;
    std::unique_ptr<ChildProcess> server_;
    std::unique_ptr<ChildProcess> bus_;
    std::string name_;
    std::vector<std::string> environment_;
};
