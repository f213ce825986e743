// Prints the fault sweeps' tally once, after the last test of the run.
#include <gtest/gtest.h>

#include <cstdio>

#include "fault_sweep.h"

namespace velura::testing {
namespace {

class SweepSummary final : public ::testing::Environment {
 public:
  void TearDown() override {
    const SweepTally& tally = Tally();
    if (tally.cases == 0) return;
    std::printf("[fault sweep] %d loops swept, %lld cases run, %lld invariant checks made\n", tally.loops, tally.cases,
                tally.checks);
  }
};

[[maybe_unused]] ::testing::Environment* const summary = ::testing::AddGlobalTestEnvironment(new SweepSummary);

}  // namespace
}  // namespace velura::testing
