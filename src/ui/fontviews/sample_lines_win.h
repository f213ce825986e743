// The sample lines over a list box that keeps no data of its own (LBS_NODATA, fixed owner-drawn lines):
// the lines' texts and nodes live here and a fill is one count set on the control, where a list box with
// strings took two messages a line (seconds for thousands of faces). The control still answers
// LB_GETTEXT, LB_GETTEXTLEN and LB_GETITEMDATA from the lines kept here, so drawing, printing, exports and
// tests read the lines as before, and a typed letter moves to the next line starting with it.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "records/file_tree.h"

namespace velura {

class ListBoxSampleList final : public SampleList {
 public:
  // The list box must have LBS_NODATA and LBS_OWNERDRAWFIXED, and no LBS_HASSTRINGS.
  void Attach(HWND list);
  void Clear() override;
  int Add(const std::u16string& text, FileTree::Node node) override;
  void EndFill() override;
  void SetAllTexts(const std::u16string& text) override;
  static FileTree::Node NodeOfLine(HWND list, int index);

 private:
  struct Line {
    std::u16string text;
    FileTree::Node node = nullptr;
  };
  const Line* LineAt(WPARAM index) const;
  bool Answer(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void MoveToLineStartingWith(wchar_t letter);

  HWND list_ = nullptr;
  std::vector<Line> lines_;
};

}  // namespace velura
