// "管理者として再起動" without the two copies ever running side by side. The running copy announces the
// hand-over (a named event), starts the elevated copy and, only once it has started, closes its windows as
// on a normal exit; it releases the single-instance mutex before the announcement. The new copy, finding
// the mutex taken while the announcement stands, waits a bounded time for the mutex instead of refusing
// to start, so it reads the settings only after the old copy has written them.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace velura {

// What starting the elevated copy came to.
enum class ElevatedStart { Started, Cancelled, Failed };

struct ElevatedStartOutcome {
  ElevatedStart result = ElevatedStart::Failed;
  std::uint32_t error = 0;  // GetLastError of a failed start
};

// Only a started copy ends the running one; a cancelled or failed start leaves everything as it was.
inline bool EndsRunningCopy(const ElevatedStartOutcome& outcome) { return outcome.result == ElevatedStart::Started; }

// The message of a failed start, with the system's description of the error (may be empty); none when the
// copy started or the user cancelled the elevation prompt.
std::optional<std::u16string> ElevatedStartFailureText(const ElevatedStartOutcome& outcome,
                                                        const std::u16string& systemText);

// The start-up's single-instance rule while another copy may be handing over.
enum class InstanceStep { Run, Wait, Refuse };
// instanceTaken: another copy holds the mutex; handOver: a copy announced the hand-over when this one
// started; waitedOut: the bounded wait is over.
InstanceStep DecideInstanceStep(bool instanceTaken, bool handOver, bool waitedOut);

// How long the new copy waits for the old one to close (it may release many fonts on the way out).
inline constexpr std::uint32_t kHandOverWaitMs = 60000;
inline constexpr std::uint32_t kHandOverPollMs = 100;

}  // namespace velura
