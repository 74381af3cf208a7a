#pragma once
#include <QString>
#include <cstdio>
#include <cstdlib>

// A failed property of a fuzz target: the reason and the text concerned go to stderr and the
// process aborts, which libFuzzer reports as a crash with the input saved, and which fails the
// corpus replay test.
#define FUZZ_CHECK(condition, text)                                                                                    \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: check failed: %s\n  text: \"%s\"\n", __FILE__, __LINE__, #condition,          \
                         qUtf8Printable(text));                                                                        \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
