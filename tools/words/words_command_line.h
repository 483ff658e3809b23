#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// What one run of gieicho-words is asked to do.
struct WordsRun
{
    enum class Command { Check, Poems, Card };
    Command command = Command::Check;
    int16_t season = 0;
    bool nightSet = false;
    std::optional<unsigned long long> seed;
    long count = 1;
    QString fontName;
    double scale = 1;
    QString output;
    // The folder of the phrase files.
    QString directory;
};

// Reads the command line, the program's name first:
//   gieicho-words check [DIR]
//   gieicho-words poems [--season 0-4] [--night] [--count N] [--seed S] [DIR]
//   gieicho-words card [--season 0-4] [--night] [--seed S] [--font NAME] [--scale K] -o FILE.png [DIR]
// Help and the version go to standard output, a mistake as one line naming
// the option and what it takes to standard error; then no run comes back, and
// exitStatus is 0 after help or the version and 2 after a mistake.
std::optional<WordsRun> ReadCommandLine(const QStringList &arguments, int &exitStatus);
