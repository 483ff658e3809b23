#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

// A program started for a measurement, ended with the object. Its output
// goes nowhere unless it is asked to write a line to the report pipe.
class ChildProcess
{
public:
    struct Start
    {
        std::vector<std::string> command;
        std::vector<std::string> environment;
        std::string folder; // the working directory; the caller's when empty
        bool reportOnFd3 = false; // the program writes a line on file descriptor 3
    };

    explicit ChildProcess(const Start &start);
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    pid_t Pid() const { return pid_; }
    bool Running();

    // The first line the program wrote on its report pipe, or empty by the deadline.
    std::string ReportLine(std::chrono::steady_clock::time_point deadline);

    // Resident memory now, in megabytes.
    double ResidentMegabytes() const;
    // CPU time it has used so far, all its threads together.
    std::chrono::nanoseconds CpuTime() const;

    // Asks the program to end, and makes it end when it does not within two seconds.
    void Stop();

private:
    pid_t pid_ = -1;
    int reportFd_ = -1;
};
