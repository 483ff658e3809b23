#include "bench_support.h"

#include <cstdlib>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

void UseDummyAudioOutput()
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

double ResidentMegabytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
