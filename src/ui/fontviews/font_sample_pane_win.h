// FontSamplePane: the samples every font window shows. The sample text combo sits over an owner-drawn list
// with a line per face of a file tree: the face's full name in the caption font, then the line's text in
// the face itself at the chosen size. The combo's first choice names each face; any other choice, or a
// typed text committed with Enter or by leaving the box, goes on every line. Lines follow the window's DPI.
#pragma once
#include <functional>
#include <string>

#include "records/loop_context.h"
#include "ui/fontviews/file_tree_view_win.h"
#include "ui/fontviews/list_box_zel_win.h"
#include "ui/fontviews/sample_lines_win.h"
#include "ui/framework/handles_win.h"
#include "ui/framework/panel_win.h"
#include "ui/framework/window_win.h"

namespace velura {

class FontSamplePane {
 public:
  // Builds Panel_combo at the top of parent with the combo (comboWidth wide) and the list filling the rest.
  // Lines are drawn only while canDraw() holds (the tree they point into is complete); a click on a line
  // selects its node in tree. Long refills paint the waiting windows of loop.
  void Create(ui::Panel& parent, TreeViewFileTree& tree, int comboWidth, std::function<bool()> canDraw,
              const LoopContext& loop);

  // The default sample texts into an empty combo, the first one chosen.
  void FillChoices();
  // The default sample texts in place of whatever the combo holds, the first one chosen.
  void ResetChoices();
  // After a choice in the combo: each face's name again (first choice), or the chosen text on every line.
  void ApplyChoice();
  // The lines for the tree as it is now, with the chosen text on each when one is chosen.
  void Refill();
  // The text typed into a character filter: while not empty it stands on every line in place of the
  // combo's choice, so the user sees the very characters asked for.
  void SetFilterText(const std::u16string& text);
  void Clear();
  // The line of a node's face becomes the selected one (none for a node without a record).
  void SelectLineOf(FileTree::Node node);
  FileTree::Node NodeOfLine(int index) const;
  int SelectedLine() const;

  // The sample size in points: the list's font and every line's height.
  void SetSize(int size);
  int Size() const { return size_; }
  // After WM_DPICHANGED: the caption font and the lines' heights at the new DPI.
  void FollowDpi();

  // Index 0 of the combo names each face; otherwise the text chosen or typed.
  bool TextChosen() const;
  std::wstring ComboText() const;
  HWND ListHwnd() const { return TntListBox_zel_Sample.Hwnd(); }
  ListBoxSampleList& Lines() { return lines_; }

  // A double click on a line, and a blank typed in the list (none unless set).
  std::function<void(FileTree::Node)> OnLineDoubleClick;
  std::function<void()> OnSpace;

  ui::Panel Panel_combo;
  TListBox_zel TntListBox_zel_Sample;
  ui::Control* TntComboBox_SampleText = nullptr;

 private:
  void CommitTypedText();
  // The text every line shows: the filter's, the chosen one, or none (each face's name).
  bool LineTextSet() const { return !filterText_.empty() || TextChosen(); }
  std::u16string LineText() const;
  bool DrawLine(const DRAWITEMSTRUCT& item);
  int Dpi() const;

  ui::Panel* parent_ = nullptr;
  ui::Control* list_ = nullptr;
  TreeViewFileTree* tree_ = nullptr;
  std::function<bool()> canDraw_;
  const LoopContext* loop_ = nullptr;
  ListBoxSampleList lines_;
  bool filling_ = false;
  std::u16string filterText_;
  int size_ = 18;
  ui::UniqueFont captionFont_;  // made on first use at the window's DPI
};

}  // namespace velura
