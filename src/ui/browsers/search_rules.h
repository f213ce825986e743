// The search dialog's rules on plain data: the search text and its words, which faces a search marks, the
// history of search texts and the step from one marked face to the next. The tree is reached through the
// FileTree interface and case folding through RegTextFolding, so the rules run without windows.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/file_tree.h"
#include "records/reg_text_folding.h"

namespace velura {

// ComboBox_Pich's entries; index 0 lets every face through, the others keep one pitch class each.
inline constexpr std::array<const char16_t*, 5> kPitchChoices = {u"すべて", u"FIXED_PITCH", u"VARIABLE_PITCH",
                                                                 u"DEFAULT_PITCH", u"MONO_FONT"};
inline constexpr std::size_t kSearchHistorySize = 9;

// Trims blanks and ideographic spaces (U+3000) at both ends, turns ideographic spaces into blanks and
// every run of blanks into one.
std::u16string NormalizeSearchText(std::u16string_view text);

// The words of a search text, normalised first; none for an empty text, which matches every face.
std::vector<std::u16string> SearchWords(std::u16string_view text);

// 1 fixed, 2 variable, 3 default, 4 mono (the mono bit wins over the others), as ComboBox_Pich numbers them.
int PitchClass(std::uint16_t pitchAndFamily);

// A stored pitch index the combo box does not offer lets every face through instead of none.
int ValidPitchIndex(int stored);

struct SearchQuery {
  bool fileName = false;    // CheckBox_FS_FileName
  bool fontName = true;     // CheckBox_FS_FontName
  bool otherNames = false;  // CheckBox_FS_OtherFontName
  bool fullName = false;    // CheckBox_FS_FullFontName
  bool andMode = false;     // RadioButton_AND
  int pitchIndex = 0;       // ComboBox_Pich
  std::u16string text;      // as typed
};

// Whether one face of a record is found. `words` are lower-cased already (none: every face of the pitch).
bool FaceMatches(const TFileDataItem& record, std::size_t face, const std::vector<std::u16string>& words,
                 const SearchQuery& query, const RegTextFolding& folding);

// Clears every mark, then marks the face of every node with a record that the query finds. Returns the
// number of marked nodes.
int MarkFoundFaces(FileTree& tree, const SearchQuery& query, const RegTextFolding& folding);

// Clears the mark of every node's face.
void ClearFoundMarks(FileTree& tree);

// Whether the face a node stands for carries the mark; false for nodes without a record.
bool NodeIsFound(const FileTree& tree, FileTree::Node node);

// The history as the combo box lists it: the stored texts that are not empty, in order.
std::vector<std::u16string> LoadedSearchHistory(const std::array<std::u16string, kSearchHistorySize>& stored);

// A search with this text: an empty (normalised) text leaves the history alone; otherwise its first entry
// equal but for case goes ("Arial" and "arial" are one entry, the newest spelling kept), the text becomes
// entry 0, and an entry beyond the ninth is dropped.
void RememberSearchText(std::vector<std::u16string>& history, std::u16string_view text, const RegTextFolding& folding);

// What the dialog's result line says after a search that marked `found` faces: a search that finds
// nothing (no field checked among the causes) must say so, or it looks as if nothing happened.
std::u16string_view SearchResultText(int found);

// What "Str1" to "Str9" receive: entries 0 to 8, normalised; the rest empty.
std::array<std::u16string, kSearchHistorySize> StoredSearchHistory(const std::vector<std::u16string>& history);

// Stepping through the marked faces over the tree's nodes in display order.
struct StepStop {
  bool root = false;   // a top-level node (a folder): never a stop
  bool found = false;  // its face carries the mark
};
enum class StepDirection { Forward, Backward };
struct StepResult {
  int index = -1;        // the node to select; -1 when nothing is marked
  bool wrapped = false;  // found only after starting again at the other end
};
// From the selected node (-1: none, which starts at the first node going forward, at the last going back,
// that node included) to the next stop past it; past the end the walk starts again at the other end.
StepResult StepToFound(const std::vector<StepStop>& nodes, int selected, StepDirection direction);

// The nodes of the tree in display order with their stops.
std::vector<FileTree::Node> NodesInOrder(const FileTree& tree);
std::vector<StepStop> StepStops(const FileTree& tree, const std::vector<FileTree::Node>& nodes);

}  // namespace velura
