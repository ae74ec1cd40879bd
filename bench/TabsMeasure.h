#pragma once

// What the tabs benchmark measures inside each program: the proportional set
// size of the program and every process it started (the engine's helper and
// renderer processes), and a line format the driver reads.
#include "ProcessTreeMemory.h"

#include <cstdio>

namespace tabsbench {

using processtree::treePssKb;

inline void report(const char *key, double value)
{
    std::printf("%s %.1f\n", key, value);
    std::fflush(stdout);
}

} // namespace tabsbench
