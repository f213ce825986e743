// What both font browsers draw the same way: the file tree's nodes (DrawFileNode), the sample lines
// (DrawSampleItem) and the details panel of the font in focus (ShowFontInfo and its clearing).
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstddef>
#include <functional>

#include "records/file_data_item.h"
#include "settings/ini_keeper.h"
#include "ui/fontviews/file_tree_view_win.h"
#include "ui/framework/handles_win.h"
#include "ui/framework/image_list_win.h"
#include "ui/framework/panel_win.h"
#include "ui/framework/window_win.h"

namespace velura {

// The details panel's controls; any of them may be missing.
struct FontInfoControls {
  ui::Control* fontName = nullptr;
  ui::Panel* fontType = nullptr;
  ui::Control* pitch = nullptr;
  ui::Control* charset = nullptr;
  ui::Control* fullName = nullptr;
  ui::Control* version = nullptr;
  ui::Control* fileSize = nullptr;
  ui::Control* fileName = nullptr;
  ui::Control* postScriptName = nullptr;
  ui::Control* languageGrid = nullptr;
  ui::Control* codePages = nullptr;
  ui::Control* copyrightLabel = nullptr;
  ui::Control* copyright = nullptr;
};

// Every box empty, the copyright label "Copyright", the language grid without rows.
void ClearFontInfoPanel(const FontInfoControls& panel);
// The details of one face of a record; nothing for a face the record does not have.
void ShowFontInfoPanel(const FontInfoControls& panel, const TFileDataItem& record, std::size_t face);
// The language grid's four columns over its width (Panel_center_topResize).
void SizeLanguageGrid(const ui::Control* grid);

// The details panel's controls of a window that names them as designed (TntMemo_FontName, Label_Pich, ...).
template <class Details>
FontInfoControls NamedInfoControls(Details& d) {
  return {.fontName = d.TntMemo_FontName,
          .fontType = &d.Panel_FontType,
          .pitch = d.Label_Pich,
          .charset = d.Label_CharSet,
          .fullName = d.TntMemo_FullFontName,
          .version = d.TntMemo_Version,
          .fileSize = d.Label_FileSize,
          .fileName = d.TntMemo_FileName,
          .postScriptName = d.TntMemo_PstscriptName,
          .languageGrid = d.TntStringGrid_FullFontNames,
          .codePages = d.RichEdit_CodePages,
          .copyrightLabel = d.Label_Copyright,
          .copyright = d.TntRichEdit_Copyright};
}

// Building the details panel. The font name box fills parent, with the type panel at its right.
ui::Control* AddFontNameBox(ui::Window& parent, ui::Panel& fontType);
// The seven captioned rows in panel (Pich, CharSet, FullFontName, Version, FileSize, FileName,
// PstscriptName), their value boxes valueWidth wide and stored through boxes in that order.
void AddDetailRows(ui::Window& panel, int valueWidth, const std::array<ui::Control**, 7>& boxes);
// The grid of names per language with its four columns, sized to its width whenever it is placed.
ui::Control* AddLanguageGrid(ui::Window& parent, const ui::dock::Item& place);

// The tree's fonts for each node look, made on first use and again after a DPI change.
class FileNodeFonts {
 public:
  HFONT Get(HWND tree, int dpi, bool italic, bool strikeOut, bool boldUnderline);

 private:
  ui::UniqueFont fonts_[8];
  int dpi_ = 0;
};

// NM_CUSTOMDRAW of a browser's file tree: a file node in its record's look (found faces on yellow), a group
// header bold and underlined, an undisplayable line grey.
LRESULT DrawFileNode(NMTVCUSTOMDRAW& draw, const TreeViewFileTree& tree, const TTreeStyle& style, FileNodeFonts& fonts,
                     int dpi);

// One owner-drawn sample line: the face's full name in the caption font, then the line's text in the face
// itself. captionFont is made on first use at the window's DPI; the caller resets it when the DPI changes.
void DrawSampleItem(const DRAWITEMSTRUCT& item, const TreeViewFileTree& tree, int sampleSize, int dpi,
                    ui::UniqueFont& captionFont);

// The sample list in a sample size: its font and every line's height. The list sits on the form or on its
// client panel, whichever owns it.
void ApplySampleSize(ui::Window& form, ui::Window& client, HWND list, int size, int dpi);
// The tree's tick images at a DPI. The tree view keeps the strip it was given: it gets the new one before the
// old one goes.
void ReloadStateImages(HWND tree, ui::UniqueImageList& images, int dpi);
// The sample list after the combo's choice: the first choice names each face from the tree (infoDisplay off
// meanwhile), any other puts the combo's text on every line. True when the lines came from the tree.
bool FillSampleListFromCombo(HWND combo, const TreeViewFileTree& tree, ListBoxSampleList& samples, bool& infoDisplay);
// The sample text combo's events: a choice, leaving it, and Enter in its edit (which it then keeps from the dialog
// manager).
void WireSampleTextCombo(ui::Control& combo, std::function<void()> onChoice, std::function<void()> onExit,
                         std::function<void()> onEnter);
// The default sample texts into an empty combo, the first one chosen (FillSampleTextChoices).
void FillSampleTextChoices(HWND combo);
// Enter in the sample text combo: the typed text becomes a choice and the chosen one. False when nothing changed.
bool CommitComboSampleText(HWND combo);

}  // namespace velura
