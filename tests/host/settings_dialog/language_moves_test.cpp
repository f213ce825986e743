#include <gtest/gtest.h>

#include <string>

#include "ui/settings/settings_rules.h"

namespace velura {
namespace {

// "PQRST" with the selected letters in lower case ("pQrSt": Q and S selected).
std::vector<LanguageLine> Lines(const std::string& letters) {
  std::vector<LanguageLine> lines;
  for (const char letter : letters) {
    const bool selected = letter >= 'A' && letter <= 'Z';
    lines.push_back({static_cast<std::uint16_t>(selected ? letter : letter - 'a' + 'A'), selected});
  }
  return lines;
}

std::string Letters(const std::vector<LanguageLine>& lines) {
  std::string letters;
  for (const LanguageLine& line : lines)
    letters += line.Selected ? static_cast<char>(line.LanguageId) : static_cast<char>(line.LanguageId - 'A' + 'a');
  return letters;
}

struct MoveCase {
  std::string before;
  std::string after;
};

std::string Moved(void (*move)(std::vector<LanguageLine>&), const std::string& before) {
  auto lines = Lines(before);
  move(lines);
  return Letters(lines);
}

TEST(LanguageMoves, ToTopKeepsTheSelectedOrderAndASelectedFirstLineEndsBelowThem) {
  EXPECT_EQ(Moved(MoveSelectedToTop, "pQrSt"), "QSprt");  // visits T, S (to the top), R, Q (to the top)
  EXPECT_EQ(Moved(MoveSelectedToTop, "PqrSt"), "SPqrt");  // P is never visited
  EXPECT_EQ(Moved(MoveSelectedToTop, "pqrsT"), "Tpqrs");
  EXPECT_EQ(Moved(MoveSelectedToTop, "Pqrst"), "Pqrst");
  EXPECT_EQ(Moved(MoveSelectedToTop, "PQRST"), "QRSTP");
}

TEST(LanguageMoves, ToLastKeepsTheSelectedOrderAndASelectedLastLineEndsAboveThem) {
  EXPECT_EQ(Moved(MoveSelectedToLast, "pQrSt"), "prtQS");
  EXPECT_EQ(Moved(MoveSelectedToLast, "pQrsT"), "prsTQ");
  EXPECT_EQ(Moved(MoveSelectedToLast, "Pqrst"), "qrstP");
  EXPECT_EQ(Moved(MoveSelectedToLast, "pqrsT"), "pqrsT");
}

TEST(LanguageMoves, UpLeavesASelectedBlockAtTheTopInPlace) {
  EXPECT_EQ(Moved(MoveSelectedUp, "PQrSt"), "PQSrt");  // P and Q directly below it stay
  EXPECT_EQ(Moved(MoveSelectedUp, "PqRSt"), "PRSqt");  // a block moves as one
  EXPECT_EQ(Moved(MoveSelectedUp, "pQrSt"), "QpSrt");
  EXPECT_EQ(Moved(MoveSelectedUp, "pqrsT"), "pqrTs");
  EXPECT_EQ(Moved(MoveSelectedUp, "PQRST"), "PQRST");
}

TEST(LanguageMoves, DownLeavesASelectedBlockAtTheBottomInPlace) {
  EXPECT_EQ(Moved(MoveSelectedDown, "pQrST"), "prQST");
  EXPECT_EQ(Moved(MoveSelectedDown, "PQrst"), "rPQst");
  EXPECT_EQ(Moved(MoveSelectedDown, "Pqrst"), "qPrst");
}

TEST(LanguageMoves, NothingSelectedAndEmptyListsMoveNothing) {
  for (auto move : {MoveSelectedUp, MoveSelectedDown, MoveSelectedToTop, MoveSelectedToLast}) {
    EXPECT_EQ(Moved(move, "pqrst"), "pqrst");
    EXPECT_EQ(Moved(move, ""), "");
    EXPECT_EQ(Moved(move, "P"), "P");
  }
}

TEST(SampleSizeList, StoredSizesOutsideTheListSelectNothingAndNothingSelectedSaves18) {
  EXPECT_EQ(SampleSizeIndex(24), 3);
  EXPECT_EQ(SampleSizeIndex(9), 0);
  EXPECT_EQ(SampleSizeIndex(90), 10);
  EXPECT_EQ(SampleSizeIndex(25), -1);
  EXPECT_EQ(SampleSizeOfIndex(-1), 18);
  EXPECT_EQ(SampleSizeOfIndex(11), 18);
  EXPECT_EQ(SampleSizeOfIndex(10), 90);
}

TEST(TreeStyleNodes, EachNodeEditsItsOwnClassAndTheFirstHasNoItalic) {
  TTreeStyle style;
  for (int node = 0; node < kTreeNodeCount; ++node) SetNodeColor(style, node, 0x100 + node);
  EXPECT_EQ(style.DefColor, 0x100u);
  EXPECT_EQ(style.RegFontColor, 0x101u);
  EXPECT_EQ(style.Font1Color, 0x102u);
  EXPECT_EQ(style.Font2Color, 0x103u);
  SetNodeItalic(style, 0, true);
  SetNodeItalic(style, 2, true);
  EXPECT_FALSE(NodeItalic(style, 0));
  EXPECT_FALSE(style.RegFontItalic);
  EXPECT_TRUE(style.Font1Italic);
  EXPECT_FALSE(style.Font2Italic);
  EXPECT_EQ(DefaultNodeColor(0), 0x000000u);
  EXPECT_EQ(DefaultNodeColor(1), 0x800080u);
  EXPECT_EQ(DefaultNodeColor(2), 0x800000u);
  EXPECT_EQ(DefaultNodeColor(3), 0x008080u);
}

}  // namespace
}  // namespace velura
