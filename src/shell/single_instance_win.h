// One running copy per session, with the hand-over of "管理者として再起動": a copy that is handing over
// holds the named event below until after it has released the mutex.
#pragma once
#include "platform/kernel_handles_win.h"

namespace velura {

// The named mutex that marks a running copy.
inline constexpr const wchar_t* kInstanceMutex = L"velura2_OPEN";
// Stands while a running copy hands over to the elevated copy it started.
inline constexpr const wchar_t* kHandOverEvent = L"velura2_HANDOVER";

struct InstanceClaim {
  bool refused = false;      // another copy runs
  UniqueKernelHandle mutex;  // held for the whole run; empty if Windows could not make it
};

// Takes the mutex; while a copy announces a hand-over, waits (bounded) for it to release the mutex.
InstanceClaim ClaimSingleInstance();

}  // namespace velura
