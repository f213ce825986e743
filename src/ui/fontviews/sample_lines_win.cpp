#include "ui/fontviews/sample_lines_win.h"

#include <cstring>

#include "platform/wide_win.h"
#include "ui/fontviews/line_search.h"
#include "ui/framework/subclass_win.h"

namespace velura {

namespace {

wchar_t Folded(wchar_t c) { return static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(CharLowerW(MAKEINTRESOURCEW(c)))); }

}  // namespace

void ListBoxSampleList::Attach(HWND list) {
  list_ = list;
  ui::Subclass(list, [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return Answer(message, wParam, lParam, result);
  });
}

const ListBoxSampleList::Line* ListBoxSampleList::LineAt(WPARAM index) const {
  return index < lines_.size() ? &lines_[index] : nullptr;
}

bool ListBoxSampleList::Answer(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case LB_GETTEXTLEN: {
      const Line* line = LineAt(wParam);
      result = line ? static_cast<LRESULT>(line->text.size()) : LB_ERR;
      return true;
    }
    case LB_GETTEXT: {
      const Line* line = LineAt(wParam);
      if (!line || !lParam) {
        result = LB_ERR;
        return true;
      }
      auto* buffer = reinterpret_cast<wchar_t*>(lParam);
      std::memcpy(buffer, AsWide(line->text), line->text.size() * sizeof(wchar_t));
      buffer[line->text.size()] = L'\0';
      result = static_cast<LRESULT>(line->text.size());
      return true;
    }
    case LB_GETITEMDATA: {
      const Line* line = LineAt(wParam);
      result = line ? reinterpret_cast<LRESULT>(line->node) : LB_ERR;
      return true;
    }
    case LB_RESETCONTENT:
      lines_.clear();  // the control empties itself after this
      return false;
    case WM_CHAR:
      if (wParam < L' ' || (GetKeyState(VK_CONTROL) & 0x8000) != 0) return false;
      MoveToLineStartingWith(static_cast<wchar_t>(wParam));
      result = 0;
      return true;
    default: return false;
  }
}

void ListBoxSampleList::MoveToLineStartingWith(wchar_t letter) {
  const wchar_t wanted = Folded(letter);
  const int current = static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0));
  const int line = NextLineStartingWith(static_cast<int>(lines_.size()), current, [&](int index) {
    const std::u16string& text = lines_[static_cast<std::size_t>(index)].text;
    return !text.empty() && Folded(static_cast<wchar_t>(text.front())) == wanted;
  });
  if (line < 0 || line == current) return;
  SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
  // Chosen by a key, as the control itself would report it.
  if (GetWindowLongPtrW(list_, GWL_STYLE) & LBS_NOTIFY)
    SendMessageW(GetParent(list_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list_), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list_));
}

void ListBoxSampleList::Clear() { SendMessageW(list_, LB_RESETCONTENT, 0, 0); }

int ListBoxSampleList::Add(const std::u16string& text, FileTree::Node node) {
  lines_.push_back(Line{text, node});
  return static_cast<int>(lines_.size()) - 1;
}

void ListBoxSampleList::EndFill() { SendMessageW(list_, LB_SETCOUNT, static_cast<WPARAM>(lines_.size()), 0); }

void ListBoxSampleList::SetAllTexts(const std::u16string& text) {
  for (Line& line : lines_) line.text = text;
  InvalidateRect(list_, nullptr, TRUE);
}

FileTree::Node ListBoxSampleList::NodeOfLine(HWND list, int index) {
  const LRESULT data = SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
  return data == LB_ERR ? nullptr : reinterpret_cast<FileTree::Node>(data);
}

}  // namespace velura
