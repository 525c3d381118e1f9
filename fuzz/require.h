#pragma once
// A property a reader broke: reported and ended as a crash, so the fuzzer keeps the input
// that broke it.

#include <cstdio>
#include <cstdlib>

#define FUZZ_REQUIRE(condition)                                                     \
  do {                                                                              \
    if (!(condition)) {                                                             \
      std::fprintf(stderr, "Broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                                 \
    }                                                                               \
  } while (0)
