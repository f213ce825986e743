// RunWhilePumping: the work runs on another thread while the waiting thread pumps, and failures of either
// reach the caller only after the work has ended.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

#include "platform/work_aside_win.h"

namespace velura {
namespace {

TEST(RunWhilePumping, TheWorkRunsAsideWhileThisThreadPumps) {
  const DWORD here = GetCurrentThreadId();
  DWORD workThread = 0;
  int pumps = 0;
  bool pumpedHere = true;
  RunWhilePumping(
      [&] {
        workThread = GetCurrentThreadId();
        Sleep(200);
      },
      [&] {
        ++pumps;
        pumpedHere = pumpedHere && GetCurrentThreadId() == here;
      },
      20);
  EXPECT_NE(workThread, 0u);
  EXPECT_NE(workThread, here);
  EXPECT_GE(pumps, 3);
  EXPECT_TRUE(pumpedHere);
}

TEST(RunWhilePumping, FailuresAreThrownHereAfterTheWorkEnded) {
  EXPECT_THROW(RunWhilePumping([] { throw std::runtime_error("work"); }, [] {}), std::runtime_error);
  std::atomic<bool> finished = false;
  EXPECT_THROW(RunWhilePumping(
                   [&] {
                     Sleep(100);
                     finished = true;
                   },
                   [] { throw std::logic_error("pump"); }, 10),
               std::logic_error);
  EXPECT_TRUE(finished);
}

}  // namespace
}  // namespace velura
