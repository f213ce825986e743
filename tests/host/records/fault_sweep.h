// Runs a loop once cleanly to count the calls N it makes that change the system, then once for every k in
// 1..N with the k-th call failing, each time on a fresh world with the user's answers fixed, and checks the
// loop's invariants after every run. The tally is shared by every sweep of the host test run.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "fault_plan.h"
#include "platform/text.h"
#include "platform/user_error.h"

namespace velura::testing {

struct SweepTally {
  int loops = 0;
  long long cases = 0;
  long long checks = 0;
};

// One tally for the whole test program, whichever file the sweep lives in.
inline SweepTally& Tally() {
  static SweepTally tally;
  return tally;
}

// How a run ended: an error it raised reaches the user as a message box, as the windows show it.
struct RunOutcome {
  bool raised = false;
  std::u16string error;
};

struct SweepRun {
  int k = 0;  // 0: the clean run
  const FaultPlan& plan;
  RunOutcome outcome;

  bool Faulted(CallKind kind) const { return plan.failed && plan.failed->kind == kind; }
};

// Every check counts towards the tally; a failed one is reported with the loop, k and the failed call.
class InvariantChecks {
 public:
  void Expect(bool holds, const std::string& what) {
    ++Tally().checks;
    if (!holds) ADD_FAILURE() << what;
  }
};

inline std::string Describe(const FaultPlan& plan) {
  if (!plan.failed) return "no call failed";
  static const char* const kinds[] = {"copy",
                                      "delete",
                                      "deletion check",
                                      "clear attributes",
                                      "create folder",
                                      "remove folder",
                                      "move",
                                      "write replacing",
                                      "AddFontResource",
                                      "RemoveFontResource",
                                      "broadcast",
                                      "open key for writing",
                                      "value write",
                                      "value delete",
                                      "read"};
  std::string text = std::string(kinds[static_cast<int>(plan.failed->kind)]) + " " + ToUtf8(plan.failed->subject);
  if (!plan.failed->detail.empty()) text += " -> " + ToUtf8(plan.failed->detail);
  return text;
}

template <typename World>
struct LoopSweep {
  std::string name;
  // A fresh scenario whose fakes hold the plan; the plan is armed only after it returns.
  std::function<std::unique_ptr<World>(FaultPlan&)> build;
  // The loop itself, with the user's answers fixed; a UserError it raises is caught by the sweep.
  std::function<void(World&)> run;
  std::function<void(World&, const SweepRun&, InvariantChecks&)> check;
  // Ends the process at the k-th call instead of failing it (ProcessKilled); for the saves of files.
  bool killInstead = false;
  // Also fails reads in turn (FaultPlan::faultReads).
  bool faultReads = false;
};

// Returns N, the number of counted calls of the clean run.
template <typename World>
int Sweep(const LoopSweep<World>& sweep) {
  const auto runOnce = [&](int k) {
    FaultPlan plan;
    plan.failAt = k;
    plan.killInstead = sweep.killInstead;
    plan.faultReads = sweep.faultReads;
    std::unique_ptr<World> world = sweep.build(plan);
    plan.armed = true;
    RunOutcome outcome;
    try {
      sweep.run(*world);
    } catch (const UserError& error) {
      outcome = RunOutcome{true, error.Message()};
    } catch (const ProcessKilled&) {
      outcome = RunOutcome{true, u"(process ended)"};
    }
    plan.armed = false;
    SCOPED_TRACE(sweep.name + ", k = " + std::to_string(k) + ": " + Describe(plan) +
                 (outcome.raised ? ", raised " + ToUtf8(outcome.error) : std::string()));
    if (k > 0) {
      EXPECT_TRUE(plan.failed.has_value()) << "the run made fewer calls than the clean one";
    }
    InvariantChecks checks;
    sweep.check(*world, SweepRun{k, plan, outcome}, checks);
    ++Tally().cases;
    world.reset();  // before the plan it refers to
    return plan.Count();
  };
  const int n = runOnce(0);
  EXPECT_GT(n, 0) << sweep.name << " made no call that changes the system";
  for (int k = 1; k <= n; ++k) runOnce(k);
  ++Tally().loops;
  return n;
}

}  // namespace velura::testing
