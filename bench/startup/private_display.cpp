#include "private_display.h"

#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <string_view>

extern char **environ;

namespace {

using namespace std::chrono_literals;

constexpr std::string_view kReplaced[] = {"DISPLAY=",         "WAYLAND_DISPLAY=", "DBUS_SESSION_BUS_ADDRESS=",
                                          "XDG_RUNTIME_DIR=", "QT_QPA_PLATFORM=", "SDL_AUDIODRIVER="};

std::vector<std::string> InheritedEnvironment()
{
    std::vector<std::string> kept;
    for (char **entry = environ; *entry; ++entry) {
        const std::string_view variable(*entry);
        bool replaced = false;
        for (std::string_view name : kReplaced)
            replaced = replaced || variable.substr(0, name.size()) == name;
        if (!replaced)
            kept.emplace_back(variable);
    }
    return kept;
}

} // namespace

PrivateDisplay::PrivateDisplay()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "startup-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    folder_ = pattern;
    std::filesystem::create_directory(folder_ / "runtime");
    std::filesystem::permissions(folder_ / "runtime", std::filesystem::perms::owner_all);

    std::vector<std::string> environment = InheritedEnvironment();
    // Xvfb chooses a free display and writes its number once it takes clients.
    server_ = std::make_unique<ChildProcess>(ChildProcess::Start{
        {"/usr/bin/Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-wr"},
        environment,
        {},
        true});
    const std::string number = server_->ReportLine(std::chrono::steady_clock::now() + 20s);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start");
    name_ = ":" + number;

    bus_ = std::make_unique<ChildProcess>(ChildProcess::Start{
        {"/usr/bin/dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=3"}, environment, {}, true});
    const std::string bus = bus_->ReportLine(std::chrono::steady_clock::now() + 20s);
    if (bus.empty())
        throw std::runtime_error("the session bus did not start");

    environment.push_back("DISPLAY=" + name_);
    environment.push_back("DBUS_SESSION_BUS_ADDRESS=" + bus);
    environment.push_back("XDG_RUNTIME_DIR=" + (folder_ / "runtime").string());
    environment.push_back("QT_QPA_PLATFORM=xcb");
    // Music plays in real time with no sound card and no output.
    environment.push_back("SDL_AUDIODRIVER=dummy");
    environment_ = std::move(environment);
}

PrivateDisplay::~PrivateDisplay()
{
    bus_.reset();
    server_.reset();
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
}
