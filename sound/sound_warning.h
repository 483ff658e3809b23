#pragma once

#include <QLoggingCategory>

#include <atomic>
#include <string_view>

// Where the sound facilities say what went wrong: QT_LOGGING_RULES
// ("gieicho.sound.warning=false") silences them.
Q_DECLARE_LOGGING_CATEGORY(lcSound)

// Sound failures stay silent for the user; for whoever runs the program from
// a terminal each sound facility warns once, the first time something goes
// wrong, and never again in the run.
class OnceOnlyWarning
{
public:
    void Report(std::string_view message);

private:
    std::atomic<bool> written_{false};
};
