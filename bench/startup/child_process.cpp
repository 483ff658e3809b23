#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

std::vector<char *> Pointers(std::vector<std::string> &strings)
{
    std::vector<char *> pointers;
    pointers.reserve(strings.size() + 1);
    for (std::string &s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

ChildProcess::ChildProcess(const Start &start)
{
    std::vector<std::string> command = start.command;
    std::vector<std::string> environment = start.environment;
    std::vector<char *> argv = Pointers(command);
    std::vector<char *> envp = Pointers(environment);
    int report[2] = {-1, -1};
    if (start.reportOnFd3 && pipe2(report, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make a pipe");

    pid_ = fork();
    if (pid_ < 0)
        throw std::runtime_error("cannot start " + command.front());
    if (pid_ == 0) {
        const int nowhere = open("/dev/null", O_RDWR);
        dup2(nowhere, 0);
        dup2(nowhere, 1);
        dup2(nowhere, 2);
        if (start.reportOnFd3)
            dup2(report[1], 3);
        if (!start.folder.empty() && chdir(start.folder.c_str()) != 0)
            _exit(126);
        execvpe(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    if (start.reportOnFd3) {
        close(report[1]);
        reportFd_ = report[0];
    }
}

ChildProcess::~ChildProcess()
{
    Stop();
    if (reportFd_ >= 0)
        close(reportFd_);
}

bool ChildProcess::Running()
{
    if (pid_ <= 0)
        return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return false;
    }
    return true;
}

std::string ChildProcess::ReportLine(Clock::time_point deadline)
{
    std::string line;
    while (reportFd_ >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd wait{reportFd_, POLLIN, 0};
        if (left <= 0ms || poll(&wait, 1, int(left.count())) <= 0)
            return {};
        char c = 0;
        if (read(reportFd_, &c, 1) != 1)
            return {};
        if (c == '\n')
            return line;
        line += c;
    }
    return {};
}

double ChildProcess::ResidentMegabytes() const
{
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

std::chrono::nanoseconds ChildProcess::CpuTime() const
{
    // User and system time, fields 14 and 15, count threads that have ended
    // too; they are in clock ticks. The name in field 2 may hold spaces.
    std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const size_t nameEnd = text.rfind(')');
    if (nameEnd == std::string::npos)
        return {};
    std::istringstream fields(text.substr(nameEnd + 2));
    std::string field;
    for (int index = 3; index < 14; ++index)
        fields >> field;
    long long user = 0;
    long long system = 0;
    fields >> user >> system;
    return std::chrono::nanoseconds((user + system) * 1'000'000'000LL / sysconf(_SC_CLK_TCK));
}

void ChildProcess::Stop()
{
    if (!Running())
        return;
    kill(pid_, SIGTERM);
    const auto deadline = Clock::now() + 2s;
    while (Clock::now() < deadline) {
        if (!Running())
            return;
        std::this_thread::sleep_for(10ms);
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}
