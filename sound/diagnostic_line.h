#pragma once

#include <atomic>
#include <string_view>

// Sound failures stay silent for the user; for whoever runs the program from
// a terminal each sound facility writes one line on stderr, the first time
// something goes wrong, and never again in the run.
class DiagnosticLine {
public:
    void report(std::string_view message);

private:
    std::atomic<bool> written_{false};
};
