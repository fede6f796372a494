#pragma once
#include <cstdio>
#include <cstdlib>

// Stops the run on a broken invariant, so libFuzzer keeps the input as a crash reproducer.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)
