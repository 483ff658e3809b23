#pragma once

#include <string>

// What the sound benchmarks share: a process without a sound card plays
// through SDL's dummy driver, which keeps real time without output.
void UseDummyAudioOutput();

// Resident memory of this process, in megabytes.
double ResidentMegabytes();
// CPU time this process has used, user and system, in seconds.
double ProcessCpuSeconds();
