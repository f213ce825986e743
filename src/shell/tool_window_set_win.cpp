#include "shell/tool_window_set_win.h"

#include "shell/launcher_rules.h"
#include "ui/framework/subclass_win.h"
#include "ui/framework/window_place_win.h"

namespace velura {

ToolWindowSet::ToolWindowSet(ToolWindowTable table, ToolWindowSite site, HWND launcher)
    : site_(std::move(site)), launcher_(launcher) {
  slots_.reserve(table.size());
  for (ToolWindowEntry& entry : table) slots_.push_back({std::move(entry), nullptr});
}

ToolWindowSet::~ToolWindowSet() {
  // While the set still lives: the windows' destroy handlers point into it.
  for (Slot& slot : slots_) slot.window.reset();
  destroyed_.clear();
}

void ToolWindowSet::CreateStartUpWindows() {
  for (Slot& slot : slots_)
    if (slot.entry.row.creation == ToolCreation::AtStartUp && slot.entry.factory && !slot.window) Create(slot, {});
}

std::vector<ToolWindowRow> ToolWindowSet::Rows() const {
  std::vector<ToolWindowRow> rows;
  for (const Slot& slot : slots_) rows.push_back(slot.entry.row);
  return rows;
}

bool ToolWindowSet::CanOpen(int actionId) const {
  const Slot* slot = SlotOf(actionId);
  return slot && slot->entry.factory;
}

ToolWindow* ToolWindowSet::Find(int actionId) const {
  const Slot* slot = SlotOf(actionId);
  return slot ? slot->window.get() : nullptr;
}

void ToolWindowSet::Open(int actionId) {
  if (Slot* slot = SlotOf(actionId); slot && slot->entry.factory) Show(*slot, {});
}

void ToolWindowSet::Reopen(int actionId, const ToolWindowArgs& args) {
  Slot* slot = SlotOf(actionId);
  if (!slot || !slot->entry.factory) return;
  if (slot->window) {
    SendMessageW(slot->window->Hwnd(), WM_CLOSE, 0, 0);
    Forget(*slot);
  }
  Show(*slot, args);
}

void ToolWindowSet::CloseAll() {
  hiddenWithLauncher_.clear();  // what is closed now does not come back with the launcher
  for (Slot& slot : slots_) {
    const HWND hwnd = slot.window ? slot.window->Hwnd() : nullptr;
    const ToolCloseStep step = PlanCloseAll(slot.entry.row, slot.window != nullptr, hwnd && IsWindowVisible(hwnd));
    if (step.close && hwnd) SendMessageW(hwnd, WM_CLOSE, 0, 0);
    if (step.forget) Forget(slot);
  }
}

void ToolWindowSet::HideWithLauncher() {
  for (Slot& slot : slots_) {
    const HWND hwnd = slot.window ? slot.window->Hwnd() : nullptr;
    if (!hwnd || !IsWindowVisible(hwnd)) continue;
    hiddenWithLauncher_.push_back(hwnd);
    ShowWindow(hwnd, SW_HIDE);
  }
}

void ToolWindowSet::ShowWithLauncher() {
  for (HWND hwnd : hiddenWithLauncher_)
    if (IsWindow(hwnd)) ShowWindow(hwnd, SW_SHOWNA);  // the launcher keeps the focus it is given
  hiddenWithLauncher_.clear();
}

void ToolWindowSet::FreeDestroyed() { destroyed_.clear(); }

ToolWindowSet::Slot* ToolWindowSet::SlotOf(int actionId) {
  for (Slot& slot : slots_)
    if (slot.entry.row.button.actionId == actionId) return &slot;
  return nullptr;
}

const ToolWindowSet::Slot* ToolWindowSet::SlotOf(int actionId) const {
  return const_cast<ToolWindowSet*>(this)->SlotOf(actionId);
}

void ToolWindowSet::Create(Slot& slot, const ToolWindowArgs& args) {
  std::unique_ptr<ToolWindow> window = slot.entry.factory(site_, args);
  if (!window || !window->Hwnd()) return;
  const HWND hwnd = window->Hwnd();
  ui::Subclass(hwnd, [this, &slot, hwnd](UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == WM_CLOSE) OnWindowEvent(slot, hwnd, ToolWindowEvent::Close);
    if (message == WM_DESTROY) OnWindowEvent(slot, hwnd, ToolWindowEvent::Destroy);
    return false;  // the window handles it as ever
  });
  slot.window = std::move(window);
}

void ToolWindowSet::Show(Slot& slot, const ToolWindowArgs& args) {
  const ToolOpenPlan plan = PlanToolOpen(slot.entry.row, slot.window != nullptr);
  if (plan.create) Create(slot, args);
  if (!slot.window) return;
  const HWND hwnd = slot.window->Hwnd();
  if (plan.moveBelowLauncher) MoveBelowLauncher(hwnd);
  slot.window->Open();
  if (plan.restorePlace) {
    WindowPlace place(hwnd);
    site_.settings.RestoreWindow(place, slot.entry.row.kind);
  }
}

void ToolWindowSet::MoveBelowLauncher(HWND hwnd) const {
  RECT tool{}, launcher{};
  GetWindowRect(hwnd, &tool);
  GetWindowRect(launcher_, &launcher);
  const int top = ToolWindowTop(tool.top, launcher.bottom - launcher.top);
  if (top != tool.top) SetWindowPos(hwnd, nullptr, tool.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ToolWindowSet::Forget(Slot& slot) {
  if (!slot.window) return;
  const HWND hwnd = slot.window->Hwnd();
  KeepUntilFreed(std::move(slot.window));
  if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);  // it outlived its close
}

void ToolWindowSet::OnWindowEvent(Slot& slot, HWND hwnd, ToolWindowEvent event) {
  // The slot no longer holding this window (forgotten, or the set ending) still lets it store its place.
  if (event == ToolWindowEvent::Destroy && slot.window && slot.window->Hwnd() == hwnd)
    KeepUntilFreed(std::move(slot.window));
  if (StoresPlaceOn(slot.entry.row, event)) {
    const WindowPlace place(hwnd);
    site_.settings.StoreWindow(place, slot.entry.row.kind);
  }
}

void ToolWindowSet::KeepUntilFreed(std::unique_ptr<ToolWindow> window) {
  destroyed_.push_back(std::move(window));
  if (launcher_) PostMessageW(launcher_, kFreeDestroyedToolWindows, 0, 0);
}

}  // namespace velura
