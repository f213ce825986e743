// One long call run aside, so that the windows of the thread that waits for it stay painted and answer.
#pragma once
#include <windows.h>

#include <functional>

namespace velura {

// Runs work on a thread of its own and calls pump on this thread every intervalMs until the work ends; what
// the work throws is thrown here. Without a thread to be had the work runs here. A throwing pump is
// called again at the next interval; its last failure is thrown after the work ended.
void RunWhilePumping(const std::function<void()>& work, const std::function<void()>& pump, DWORD intervalMs = 30);

}  // namespace velura
