// Where the browsers' "コピー" and "すべてを選択" act: on the text control that has the focus, on the file
// tree's node, or, when the focus is anywhere else (the sample list, a pop-up opened over the copyright
// box), on the copyright box.
#pragma once
#include <string_view>

namespace velura {

enum class FocusKind { Text, FileTree, Other };
enum class EditTarget { FocusedText, TreeNodeText, Copyright, Nothing };

// The kind of the focused control from its window class; isFileTree when it is the browser's file tree.
// Edit boxes (the combo's edit too) and rich edits of any version are text.
FocusKind FocusKindOf(std::u16string_view windowClass, bool isFileTree);

EditTarget CopyTarget(FocusKind focus);
// A tree node has no text to select: select-all leaves the tree alone.
EditTarget SelectAllTarget(FocusKind focus);

}  // namespace velura
