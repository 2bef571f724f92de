#pragma once

#include <cstdio>
#include <cstdlib>

// A promise that an input broke: report it and stop, so that the fuzzer keeps the input.
#define FUZZ_CHECK(condition, what) \
    do { \
        if (!(condition)) { \
            std::fprintf(stderr, "broken promise at %s:%d: %s\n", __FILE__, __LINE__, what); \
            std::abort(); \
        } \
    } while (false)
