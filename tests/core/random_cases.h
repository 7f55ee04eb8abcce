// Runs a check over seeded random texts of every kind, with the kind in the
// trace of any failure, and stops at the first failing text.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <random>

#include "tests/support/random_texts.h"

namespace plimsett::test_support {

template <typename Check>
void ForEachRandomText(std::mt19937::result_type seed, int perKind, std::size_t maxLength,
                       Check check) {
  std::mt19937 rng(seed);
  for (const TextKind kind : kAllTextKinds) {
    SCOPED_TRACE(KindName(kind));
    for (int i = 0; i < perKind; ++i) {
      const Text text = RandomText(rng, kind, rng() % maxLength);
      SCOPED_TRACE(::testing::PrintToString(text));
      check(text, rng);
      if (::testing::Test::HasFailure()) return;
    }
  }
}

}  // namespace plimsett::test_support
