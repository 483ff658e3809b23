#include "sound/diagnostic_line.h"

#include <cstdio>

void DiagnosticLine::report(std::string_view message)
{
    if (written_.exchange(true))
        return;
    std::fprintf(stderr, "gieicho: %.*s\n", int(message.size()), message.data());
}
