// The generated Unicode tables against the Unicode Character Database they come from, read again here.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ui/charview/unicode_blocks.h"
#include "ui/charview/unicode_data.h"
#include "ui/charview/unicode_names.h"

namespace velura {
namespace {

const char* const kUcd = "/usr/share/unicode/";

std::vector<std::vector<std::string>> Rows(const std::string& file) {
  std::ifstream in(kUcd + file);
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(in, line);) {
    line = line.substr(0, line.find('#'));
    if (line.find(';') == std::string::npos) continue;
    std::vector<std::string> fields;
    std::stringstream split(line);
    for (std::string field; std::getline(split, field, ';');) {
      while (!field.empty() && field.front() == ' ') field.erase(0, 1);
      while (!field.empty() && (field.back() == ' ' || field.back() == '\r')) field.pop_back();
      fields.push_back(field);
    }
    rows.push_back(fields);
  }
  return rows;
}

char32_t Hex(const std::string& text) { return static_cast<char32_t>(std::stoul(text, nullptr, 16)); }
std::u16string U16(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

TEST(UnicodeData, EveryBlockOfBlocksTxtIsListedOnceAfterTheDesignedTable) {
  const auto rows = Rows("Blocks.txt");
  ASSERT_GT(rows.size(), 300u) << "unicode-data is not installed";
  EXPECT_EQ(unicode_data::kBlockCount, rows.size());
  int nextAdded = kUniBlockCount;
  for (const auto& row : rows) {
    const char32_t first = Hex(row[0].substr(0, row[0].find(".."))), last = Hex(row[0].substr(row[0].find("..") + 2));
    int designed = -1;
    for (int i = 0; i < kUniBlockCount; ++i)
      if (kUniBlocks[static_cast<std::size_t>(i)].First == first && kUniBlocks[static_cast<std::size_t>(i)].Last == last)
        designed = i;
    if (designed >= 0) continue;  // reached through the designed block with this range
    ASSERT_LT(nextAdded, ViewerBlockCount());
    EXPECT_EQ(ViewerBlock(nextAdded).Last, last) << row[1];
    EXPECT_EQ(AddedBlockStartingAt(first), nextAdded) << row[1];
    EXPECT_EQ(BlockName(BlockNumberAt(nextAdded++)), U16(row[1]));
  }
  EXPECT_EQ(nextAdded, ViewerBlockCount());
  // A code point of a range both lists hold opens the designed block; one only the new list holds, its own.
  EXPECT_EQ(BlockOfCodePoint(0x4E00), 59);
  EXPECT_EQ(ViewerBlock(BlockOfCodePoint(0x9FFF)).First, 0x4E00u);
  EXPECT_EQ(std::u16string(ViewerBlock(BlockOfCodePoint(0x20BB7)).Name), u"CJK Unified Ideographs Extension B");
  EXPECT_EQ(BlockOfCodePoint(0x2FE0), -1);  // between blocks
}

TEST(UnicodeData, NamesAndAssignedCodePointsMatchUnicodeDataTxt) {
  const auto rows = Rows("UnicodeData.txt");
  ASSERT_GT(rows.size(), 30000u);
  std::size_t named = 0, assigned = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const char32_t code = Hex(rows[i][0]);
    const std::string& name = rows[i][1];
    if (name.ends_with(", First>")) {
      const char32_t last = Hex(rows[i + 1][0]);
      assigned += last - code + 1;
      if (name.starts_with("<CJK Ideograph")) EXPECT_EQ(CharacterName(last), u"CJK UNIFIED IDEOGRAPH-" + Hex4(last));
      ++i;
      continue;
    }
    ++named;
    ++assigned;
    ASSERT_EQ(CharacterName(code), U16(name)) << rows[i][0];
  }
  EXPECT_EQ(unicode_data::kNamedCount, named);
  EXPECT_EQ(AssignedCountIn(0, 0x10FFFF), assigned);
  // Ranges by rule, and what is not assigned.
  EXPECT_EQ(CharacterName(0xAC00), u"HANGUL SYLLABLE GA");
  EXPECT_EQ(CharacterName(0xAC01), u"HANGUL SYLLABLE GAG");
  EXPECT_EQ(CharacterName(0xD7A3), u"HANGUL SYLLABLE HIH");
  EXPECT_EQ(CharacterName(0x17000), u"TANGUT IDEOGRAPH-17000");
  EXPECT_EQ(CharacterName(0xE000), u"<Private Use>");
  EXPECT_EQ(CharacterName(0x0378) + CharacterName(0x110000), u"");
}

}  // namespace
}  // namespace velura
