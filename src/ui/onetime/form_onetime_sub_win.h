// TForm_OneTime_sub: the details window of the one-time install ("詳細表示"), always on top of its owner:
// the face in focus of the font view with its names per language, code pages and copyright.
#pragma once
#include <string>

#include "records/file_data_item.h"
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

  ui::Panel Panel_top, Panel_FontType, Panel_BaseLabel, Panel_right;
  ui::Control* TntMemo_FontName = nullptr;
  ui::Control* Label_Pich = nullptr;
  ui::Control* Label_CharSet = nullptr;
  ui::Control* TntMemo_FullFontName = nullptr;
  ui::Control* TntMemo_Version = nullptr;
  ui::Control* Label_FileSize = nullptr;
  ui::Control* TntMemo_FileName = nullptr;
  ui::Control* TntMemo_PstscriptName = nullptr;
  ui::Control* TntStringGrid_FullFontNames = nullptr;
  ui::Control* RichEdit_CodePages = nullptr;
  ui::Control* Label_Copyright = nullptr;
  ui::Control* TntRichEdit_Copyright = nullptr;
  ui::Control* StatusBar1 = nullptr;

 protected:
  void OnClose() override { Hide(); }

 private:
  HWND owner_;
};

}  // namespace velura
