#include "platform/work_aside_win.h"

#include <exception>

namespace velura {
namespace {

struct Aside {
  const std::function<void()>* work;
  std::exception_ptr failure;
};

DWORD WINAPI RunAside(void* parameter) {
  auto* aside = static_cast<Aside*>(parameter);
  try {
    (*aside->work)();
  } catch (...) {
    aside->failure = std::current_exception();
  }
  return 0;
}

}  // namespace

void RunWhilePumping(const std::function<void()>& work, const std::function<void()>& pump, DWORD intervalMs) {
  Aside aside{&work, nullptr};
  const HANDLE thread = CreateThread(nullptr, 0, RunAside, &aside, 0, nullptr);
  if (!thread) {
    work();
    return;
  }
  // The thread holds references into this frame: nothing leaves it before the thread has ended.
  std::exception_ptr pumpFailure;
  while (WaitForSingleObject(thread, intervalMs) == WAIT_TIMEOUT) {
    try {
      pump();
    } catch (...) {
      pumpFailure = std::current_exception();
    }
  }
  CloseHandle(thread);
  if (aside.failure) std::rethrow_exception(aside.failure);
  if (pumpFailure) std::rethrow_exception(pumpFailure);
}

}  // namespace velura
