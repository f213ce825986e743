// Two trees other windows show: the installed files grouped under their folders (installed browser), and
// the family names of the installed and browsed fonts (character viewers).
#pragma once
#include <string>
#include <vector>

#include "records/file_data.h"
#include "records/file_tree.h"

namespace velura {

// One root per folder that holds a placed file, the fonts folder first as "_既定のフォントフォルダ　" and
// the folder in quotes, then this user's fonts folder as "_このユーザーのフォントフォルダ　" and the folder
// in quotes; under it a node per file (DisplayText) and one per further face. folders comes from the
// registry data's FontFolders (the fonts folder first); a machine-wide file in none of them is not placed,
// a per-user file outside the user's fonts folder gets a root of its own folder after the others. Only the
// records shown are placed (all when shown is empty), so a folder none of them lies in gets no root. The
// waiting windows of loop are painted as it goes.
void BuildFolderTree(FileTree& tree, const std::vector<std::u16string>& folders, const std::u16string& userFontsFolder,
                     const TFileData_base& installed, const RegTextFolding& folding, const LoopContext& loop,
                     const RecordShown& shown = {});

// "インストール済みフォント" with a node per installed family (style variants of a present family left out;
// with symbolsOnly only symbol fonts) and its further faces; then, when browsed holds records,
// "閲覧中のフォント" the same way without undisplayable files. Every level is in text order.
void BuildFontNameTree(FileTree& tree, bool symbolsOnly, const TFileData_base& installed,
                       const TFileData_base* browsed);

}  // namespace velura
