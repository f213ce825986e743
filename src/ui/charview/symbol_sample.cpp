#include "ui/charview/symbol_sample.h"

namespace velura {

std::u16string JoinWithTabs(std::u16string_view characters) {
  std::u16string joined;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    if (i > 0) joined += u'\t';
    joined += characters[i];
  }
  return joined;
}

std::vector<SymbolSampleLine> BuildSymbolSample(const std::u16string& fontName) {
  std::vector<SymbolSampleLine> lines;
  lines.push_back({.text = fontName, .bold = true, .italic = true, .underline = true});
  const std::u16string plainFace(kSymbolPlainFace);
  for (std::u16string_view group : kSymbolGroups) {
    const std::u16string joined = JoinWithTabs(group);
    lines.push_back({.text = u"", .face = plainFace, .points = kSymbolPlainPoints});
    lines.push_back({.text = joined, .face = plainFace, .points = kSymbolPlainPoints, .colour = kSymbolPlainColour});
    lines.push_back({.text = joined, .face = fontName, .points = kSymbolFontPoints, .inChosenFont = true});
  }
  return lines;
}

}  // namespace velura
