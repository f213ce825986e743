#include "ui/framework/handles_win.h"

namespace velura::ui {

namespace {
int ownedHandles = 0;
}  // namespace

int OwnedHandleCount() { return ownedHandles; }

namespace detail {
void CountOwnedHandle(int change) { ownedHandles += change; }
}  // namespace detail

}  // namespace velura::ui
