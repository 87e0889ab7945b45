#pragma once
// A broken promise of the code under fuzzing: report it and stop, so that
// libFuzzer keeps the input as a finding.
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                      \
  do {                                                                             \
    if (!(condition)) {                                                            \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__,        \
                   #condition);                                                    \
      std::abort();                                                                \
    }                                                                              \
  } while (false)
