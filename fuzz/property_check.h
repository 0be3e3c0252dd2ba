#pragma once

// A property that must hold for every input. A failure prints where and what, then aborts, so
// that libFuzzer records the input as a crash.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition) \
    do { \
        if (!(condition)) { \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort(); \
        } \
    } while (false)
