// FontDetailsPanel: the details of the face in focus as every font window shows them: the font name box
// with the type panel at its right, seven captioned rows, the names per language, the code pages and the
// copyright. The panel owns the controls; each window places the parts in panels of its own.
#pragma once
#include <cstddef>

#include "records/file_data_item.h"
#include "ui/framework/panel_win.h"
#include "ui/framework/window_win.h"

namespace velura {

class FontDetailsPanel {
 public:
  // The font name box filling parent, with Panel_FontType at its right.
  void CreateFontNameBox(ui::Window& parent);
  // The seven captioned rows in panel (Pich, CharSet, FullFontName, Version, FileSize, FileName,
  // PstscriptName), their value boxes valueWidth wide.
  void CreateDetailRows(ui::Window& panel, int valueWidth);
  // The grid of names per language with its four columns, sized to its width whenever it is placed.
  void CreateLanguageGrid(ui::Window& parent, const ui::dock::Item& place);
  void CreateCodePages(ui::Window& parent, const ui::dock::Item& place);
  // "Copyright" at the top of parent, its box filling the rest.
  void CreateCopyright(ui::Window& parent);
  // Panel_CharSets at place in parent: "文字セット" over a box of the face's mapped characters and its share
  // of each character set, one line each; long lines wrap rather than run out of sight.
  void CreateCharSets(ui::Window& parent, const ui::dock::Item& place);

  // Every box empty, the copyright label "Copyright", the language grid without rows.
  void Clear();
  // The details of one face of a record; nothing for a face the record does not have. The character sets
  // are shown once the record's coverage has been read (ReadCoverage, records/coverage_loading.h).
  void Show(const TFileDataItem& record, std::size_t face);
  // The language grid's four columns over its width (Panel_center_topResize).
  void SizeLanguageGrid();

  ui::Panel Panel_FontType, Panel_CharSets;
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
  ui::Control* TntMemo_CharSets = nullptr;
};

}  // namespace velura
