// TForm_OneTime_sub: the details window of the one-time install ("詳細表示"), always on top of its owner:
// the face in focus of the font view with its names per language, code pages and copyright.
#pragma once
#include <string>

#include "records/file_data_item.h"
#include "ui/fontviews/font_details_panel_win.h"
#include "ui/framework/form_win.h"
#include "ui/framework/panel_win.h"

namespace velura {

class TForm_OneTime_sub : public ui::Form {
 public:
  explicit TForm_OneTime_sub(HWND owner);
  ~TForm_OneTime_sub() override;

  // Empties the panel: texts empty, "Copyright", the language grid without rows.
  void ClearPanel();
  // Fills the panel for one face and the status panel with the record's installed state.
  void ShowFace(const TFileDataItem& record, std::size_t face);
  // Shows it centred on its owner, or hides it when it is visible.
  void Toggle();
  void SizeLanguageGrid();

  FontDetailsPanel& Details() { return details_; }

  ui::Panel Panel_top, Panel_BaseLabel, Panel_right;
  ui::Control* StatusBar1 = nullptr;

 protected:
  void OnClose() override { Hide(); }

 private:
  HWND owner_;
  FontDetailsPanel details_;
};

}  // namespace velura
