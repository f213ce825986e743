#include "shell/single_instance_win.h"

#include "shell/elevated_restart.h"

namespace velura {

InstanceClaim ClaimSingleInstance() {
  // Opened once and held through the wait: a copy that hands over releases the mutex before this event,
  // so finding no event here and the mutex taken below means a copy that stays.
  const UniqueKernelHandle handOver{OpenEventW(SYNCHRONIZE, FALSE, kHandOverEvent)};
  const ULONGLONG start = GetTickCount64();
  for (;;) {
    SetLastError(ERROR_SUCCESS);
    UniqueKernelHandle mutex{CreateMutexW(nullptr, FALSE, kInstanceMutex)};
    const DWORD error = GetLastError();
    // A copy running with another token may hold a mutex this one may not even open.
    const bool taken = mutex ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
    if (taken) mutex.Reset();
    switch (DecideInstanceStep(taken, static_cast<bool>(handOver), GetTickCount64() - start >= kHandOverWaitMs)) {
      case InstanceStep::Run: return {false, std::move(mutex)};
      case InstanceStep::Refuse: return {true, {}};
      case InstanceStep::Wait: Sleep(kHandOverPollMs); break;
    }
  }
}

}  // namespace velura
