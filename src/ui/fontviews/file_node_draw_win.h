// How the font windows draw a file tree: a file node in its record's look, found faces on yellow, group
// headers bold and underlined, undisplayable lines grey; and the tick pictures at the window's DPI.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "settings/ini_keeper.h"
#include "ui/fontviews/file_tree_view_win.h"
#include "ui/framework/handles_win.h"

namespace velura {

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

// The tree's tick images at a DPI. The tree view keeps the strip it was given: it gets the new one before the
// old one goes.
void ReloadStateImages(HWND tree, ui::UniqueImageList& images, int dpi);

}  // namespace velura
