#include "ui/settings/settings_rules.h"

#include <algorithm>
#include <cstddef>

namespace velura {

void MoveSelectedUp(std::vector<LanguageLine>& lines) {
  for (std::size_t i = 1; i < lines.size(); ++i)
    if (lines[i].Selected && !lines[i - 1].Selected) std::swap(lines[i], lines[i - 1]);
}

void MoveSelectedDown(std::vector<LanguageLine>& lines) {
  for (std::size_t i = lines.size(); i-- > 1;)
    if (lines[i - 1].Selected && !lines[i].Selected) std::swap(lines[i - 1], lines[i]);
}

namespace {

// Visits the lines at the given starting positions in the given order, each wherever the earlier moves
// put it, and moves each selected one to the front or to the back.
void MoveVisited(std::vector<LanguageLine>& lines, const std::vector<std::size_t>& visitOrder, bool toFront) {
  std::vector<std::size_t> origin(lines.size());  // origin[i]: the starting position of the line now at i
  for (std::size_t i = 0; i < origin.size(); ++i) origin[i] = i;
  for (const std::size_t visited : visitOrder) {
    const auto at = static_cast<std::size_t>(std::find(origin.begin(), origin.end(), visited) - origin.begin());
    if (!lines[at].Selected) continue;
    if (toFront) {
      std::rotate(lines.begin(), lines.begin() + at, lines.begin() + at + 1);
      std::rotate(origin.begin(), origin.begin() + at, origin.begin() + at + 1);
    } else {
      std::rotate(lines.begin() + at, lines.begin() + at + 1, lines.end());
      std::rotate(origin.begin() + at, origin.begin() + at + 1, origin.end());
    }
  }
}

}  // namespace

void MoveSelectedToTop(std::vector<LanguageLine>& lines) {
  std::vector<std::size_t> order;
  for (std::size_t i = lines.size(); i-- > 1;) order.push_back(i);
  MoveVisited(lines, order, true);
}

void MoveSelectedToLast(std::vector<LanguageLine>& lines) {
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) order.push_back(i);
  MoveVisited(lines, order, false);
}

std::optional<std::pair<std::size_t, std::size_t>> SharedShortcut(const ShortcutCodes& codes) {
  for (std::size_t second = 1; second < codes.size(); ++second) {
    if (codes[second] == 0) continue;
    for (std::size_t first = 0; first < second; ++first)
      if (codes[first] == codes[second]) return std::pair{first, second};
  }
  return std::nullopt;
}

int SampleSizeIndex(int size) {
  const auto found = std::find(kSampleFontSizes.begin(), kSampleFontSizes.end(), size);
  return found == kSampleFontSizes.end() ? -1 : static_cast<int>(found - kSampleFontSizes.begin());
}

int SampleSizeOfIndex(int index) {
  if (index < 0 || index >= static_cast<int>(kSampleFontSizes.size())) return 18;
  return kSampleFontSizes[static_cast<std::size_t>(index)];
}

namespace {

std::uint32_t* ColorOfNode(TTreeStyle& style, int node) {
  switch (node) {
    case 0: return &style.DefColor;
    case 1: return &style.RegFontColor;
    case 2: return &style.Font1Color;
    case 3: return &style.Font2Color;
    default: return nullptr;
  }
}

bool* ItalicOfNode(TTreeStyle& style, int node) {
  switch (node) {
    case 1: return &style.RegFontItalic;
    case 2: return &style.Font1Italic;
    case 3: return &style.Font2Italic;
    default: return nullptr;
  }
}

}  // namespace

std::uint32_t NodeColor(const TTreeStyle& style, int node) {
  const std::uint32_t* color = ColorOfNode(const_cast<TTreeStyle&>(style), node);
  return color ? *color : style.DefColor;
}

void SetNodeColor(TTreeStyle& style, int node, std::uint32_t color) {
  if (std::uint32_t* target = ColorOfNode(style, node)) *target = color;
}

std::uint32_t DefaultNodeColor(int node) { return NodeColor(TTreeStyle{}, node); }

bool NodeHasItalic(int node) { return node >= 1 && node < kTreeNodeCount; }

bool NodeItalic(const TTreeStyle& style, int node) {
  const bool* italic = ItalicOfNode(const_cast<TTreeStyle&>(style), node);
  return italic && *italic;
}

void SetNodeItalic(TTreeStyle& style, int node, bool italic) {
  if (bool* target = ItalicOfNode(style, node)) *target = italic;
}

}  // namespace velura
