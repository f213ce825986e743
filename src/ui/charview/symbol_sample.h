// The symbol viewer's sample as plain data: every keyboard character group written once in a plain font
// and once more, underneath, in the symbol font, each line with its own font and colour. The window only
// adds the lines to its rich edit and formats each one as it says.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velura {

// The eight groups of ordinary characters, in the order the sample shows them.
inline constexpr std::array<std::u16string_view, 8> kSymbolGroups = {
    u"ABCDEFGHIJKLM", u"NOPQRSTUVWXYZ", u"abcdefghijklm", u"nopqrstuvwxyz",
    u"0123456789",    u"+-/*=`~_\\|!@#", u"$%^&*()[]{}<>", u";:'\",./?",
};

inline constexpr std::u16string_view kSymbolPlainFace = u"Arial";
inline constexpr int kSymbolPlainPoints = 14;
inline constexpr int kSymbolFontPoints = 24;
inline constexpr std::uint32_t kSymbolPlainColour = 0x000080;  // maroon, 0x00BBGGRR
inline constexpr std::uint32_t kSymbolBlack = 0x000000;

// The rich edit's own font, which the title line keeps.
inline constexpr std::u16string_view kSymbolViewFace = u"MS UI Gothic";
inline constexpr int kSymbolViewPixels = 21;

struct SymbolSampleLine {
  std::u16string text{};
  std::u16string face{};  // empty: the rich edit's default face and size
  int points = 0;
  std::uint32_t colour = kSymbolBlack;  // 0x00BBGGRR
  bool bold = false, italic = false, underline = false;
  bool inChosenFont = false;  // the line in the family the sample is for
  bool operator==(const SymbolSampleLine&) const = default;
};

// The characters of a group with one tab between each two.
std::u16string JoinWithTabs(std::u16string_view characters);

// The whole sample for one family: its name in bold italic underline, then per group an empty line and
// the joined characters in the plain font, then the same characters in the family at 24 points.
std::vector<SymbolSampleLine> BuildSymbolSample(const std::u16string& fontName);

// Tree levels: the roots only title the lists; a level below shows its node's text as a font.
inline bool ShowsSymbolSample(int treeLevel) { return treeLevel > 0; }
inline bool DrawsUnderlined(int treeLevel) { return treeLevel == 0; }

}  // namespace velura
