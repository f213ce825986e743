// The program's entry: one running copy per user session, the NT family only, then the launcher.
#pragma once

namespace velura {

// Runs the program and returns its exit code.
int RunVelura();

// The named mutex that marks a running copy.
inline constexpr const wchar_t* kInstanceMutex = L"velura2_OPEN";

}  // namespace velura
