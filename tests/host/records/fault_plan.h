// One sequence of numbered calls across the in-memory files, fonts and registry, with one chosen call made to
// fail the way the real call fails. The fakes ask the plan before every call that changes the system.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velura::testing {

// The kind of a counted call; a sweep's invariant checker decides from it how the failure must surface.
enum class CallKind {
  Copy,
  Delete,
  DeleteCheck,  // whether a file could be deleted: changes nothing, but decides whether its value goes
  ClearAttributes,
  CreateFolder,
  RemoveFolder,
  Move,
  WriteReplacing,
  AddResource,
  RemoveResource,
  Broadcast,
  KeyOpenForWrite,  // an existing key opened with write access, or a key opened or created
  ValueWrite,
  ValueDelete,
  Read,  // counted only with FaultPlan::faultReads
};

struct Call {
  CallKind kind;
  std::u16string subject;  // the path, or the key and value name, the call works on
  std::u16string detail;   // a copy's target
};

// Thrown by the failing call in place of failing when the plan simulates the process ending there; a
// WriteReplacing leaves its temporary file written and the target untouched.
struct ProcessKilled {};

class FaultPlan {
 public:
  // 0 counts without failing; k > 0 fails the k-th counted call.
  int failAt = 0;
  // Instead of failing, the k-th call ends the process (ProcessKilled), after any partial work it would leave.
  bool killInstead = false;
  // Also counts and fails reads (opening, listing and reading files, changing the current folder, opening a
  // key for reading); off by default, so that counts and failures concern what changes the system.
  bool faultReads = false;
  // Off until the world is built, so that setting up the scenario is not counted.
  bool armed = false;

  std::vector<Call> calls;     // every counted call, in order
  std::optional<Call> failed;  // the call that was made to fail

  // True when this call is to fail; the caller then fails the way its real call does.
  bool Fails(CallKind kind, std::u16string_view subject, std::u16string_view detail = {}) {
    if (!armed || (kind == CallKind::Read && !faultReads)) return false;
    calls.push_back(Call{kind, std::u16string(subject), std::u16string(detail)});
    if (static_cast<int>(calls.size()) != failAt) return false;
    failed = calls.back();
    if (killInstead && kind != CallKind::WriteReplacing) throw ProcessKilled{};
    return true;
  }
  // For WriteReplacing: whether the failing call ends the process after its temporary write.
  bool KillsAfterTemporaryWrite() const { return killInstead && failed && failed->kind == CallKind::WriteReplacing; }
  int Count() const { return static_cast<int>(calls.size()); }
};

// The fakes hold a plan pointer that is null outside the sweeps.
inline bool Faulted(FaultPlan* plan, CallKind kind, std::u16string_view subject, std::u16string_view detail = {}) {
  return plan && plan->Fails(kind, subject, detail);
}

}  // namespace velura::testing
