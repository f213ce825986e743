// The decisions of the settings dialog that do not need a window: the moves of the language list, the
// sample size list, the colours of the tree style's four node classes and the colour grid.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/ini_keeper.h"

namespace velura {

// Command ids of the language list's moves (below the controls' ids).
enum SettingsActionId : int { Action_NodeToTop = 101, Action_NodeUp, ActionNodeDown, Action_NodeToLast };

// One line of the language list: the language it stands for and whether it is selected.
struct LanguageLine {
  std::uint16_t LanguageId = 0;
  bool Selected = false;
  bool operator==(const LanguageLine&) const = default;
};

// The four moves act on the selected lines and keep them selected; with nothing selected nothing moves.
// "上へ移動": a selected line whose upper neighbour is not selected goes up one, top to bottom, so a
// selected block at the top stays put.
void MoveSelectedUp(std::vector<LanguageLine>& lines);
// "下へ移動": the same downwards, bottom to top.
void MoveSelectedDown(std::vector<LanguageLine>& lines);
// "一番上へ": the lines from the last to the second, followed as they move, each selected one to the top.
// The selected lines end at the top in their order; a selected first line is not moved and ends below them.
void MoveSelectedToTop(std::vector<LanguageLine>& lines);
// "一番下へ": the lines from the first to the second-to-last, each selected one to the bottom; a selected
// last line is not moved and ends above them.
void MoveSelectedToLast(std::vector<LanguageLine>& lines);

// The launcher's buttons as the page "ショートカット" names them, in the order of the stored codes.
inline constexpr std::array<std::u16string_view, 7> kShortcutButtonNames{
    u"一時インストールの管理",
    u"未インストールフォント閲覧",
    u"インストール済みフォント閲覧",
    u"レジストリデータ・フォントフォルダビューアー",
    u"シンボルフォントビューアー",
    u"ユニコードビューアー",
    u"その他"};
// The first two buttons given the same shortcut, in button order; none (0) is shared by any number.
std::optional<std::pair<std::size_t, std::size_t>> SharedShortcut(const ShortcutCodes& codes);

// The sizes of "サンプル表示のデフォルトフォントサイズ", in list order.
inline constexpr std::array<int, 11> kSampleFontSizes{9, 12, 18, 24, 30, 36, 42, 48, 60, 72, 90};
// The list index of a stored size; -1 when it is not one of the list's sizes.
int SampleSizeIndex(int size);
// The size OK stores for a list index; 18 when nothing is selected.
int SampleSizeOfIndex(int index);

// The sample tree's nodes, one per node class of the tree style.
inline constexpr int kTreeNodeCount = 4;
std::uint32_t NodeColor(const TTreeStyle& style, int node);
void SetNodeColor(TTreeStyle& style, int node, std::uint32_t color);
// The default colour of a node class (black, purple, navy, olive).
std::uint32_t DefaultNodeColor(int node);
// Node 0 ("全体の文字") has no italic flag.
bool NodeHasItalic(int node);
bool NodeItalic(const TTreeStyle& style, int node);
void SetNodeItalic(TTreeStyle& style, int node, bool italic);

// The sixteen fixed colours of the grid (0x00BBGGRR): the upper row, then the lower, left to right.
inline constexpr std::array<std::uint32_t, 16> kGridColors{0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                                           0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                                           0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

}  // namespace velura
