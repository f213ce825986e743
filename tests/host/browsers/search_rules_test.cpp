// The search dialog's rules over a model tree: words, fields, AND/OR, pitch, history and stepping.
#include <gtest/gtest.h>

#include <list>

#include "../records/fake_font_registry.h"
#include "../records/model_tree.h"
#include "ui/fontviews/file_ticks.h"
#include "ui/browsers/search_rules.h"

namespace velura::testing {
namespace {

struct FaceNames {
  FaceNames(std::u16string family, std::u16string full, std::uint16_t pitch = 2,
            std::vector<std::u16string> languageFullNames = {})
      : family(std::move(family)),
        full(std::move(full)),
        pitch(pitch),
        languageFullNames(std::move(languageFullNames)) {}
  std::u16string family, full;
  std::uint16_t pitch;
  std::vector<std::u16string> languageFullNames;  // one English entry each
};

class SearchRules : public ::testing::Test {
 protected:
  // A file node under the folder root, with a child node per further face.
  TFileDataItem& AddFile(const std::u16string& fileName, const std::vector<FaceNames>& faces) {
    if (!root) root = tree.AddNode(nullptr, u"C:\\fonts", nullptr, -1);
    TFileDataItem& record = records.emplace_back();
    record.Path = u"C:\\fonts\\" + fileName;
    for (const FaceNames& names : faces) {
      TetcData& display = record.DisplayNames.emplace_back();
      display.DisplayFamilyName = names.family;
      display.DisplayFullName = names.full;
      display.PitchAndFamily = names.pitch;
      TTFontFileData& face = record.Faces.emplace_back();
      for (const auto& full : names.languageFullNames) face.Languages.push_back({1033, u"English", full, names.family});
    }
    const FileTree::Node file = tree.AddNode(root, fileName, &record, 3);
    for (std::size_t i = 1; i < faces.size(); ++i) tree.AddNode(file, faces[i].full, &record, 3);
    return record;
  }
  std::vector<std::u16string> FoundFamilies() {
    std::vector<std::u16string> found;
    ForEachNode(tree, tree.First(), [&](FileTree::Node node) {
      if (NodeIsFound(tree, node))
        found.push_back(
            tree.Record(node)->DisplayNames[static_cast<std::size_t>(FaceIndexOfNode(tree, node))].DisplayFamilyName);
    });
    return found;
  }
  int Search(const std::u16string& text, bool andMode, SearchQuery query = {}) {
    query.text = text;
    query.andMode = andMode;
    return MarkFoundFaces(tree, query, folding);
  }

  ModelTree tree;
  FileTree::Node root = nullptr;
  std::list<TFileDataItem> records;
  FakeFolding folding;
};

TEST(SearchText, IdeographicSpacesAndRunsOfBlanksBecomeOneBlank) {
  EXPECT_EQ(NormalizeSearchText(u"\u3000 ＭＳ\u3000\u3000 ゴシック  \u3000"), u"ＭＳ ゴシック");
  EXPECT_EQ(NormalizeSearchText(u"\u3000 \u3000"), u"");
  EXPECT_EQ(SearchWords(u"  arial\u3000bold "), (std::vector<std::u16string>{u"arial", u"bold"}));
  EXPECT_TRUE(SearchWords(u"\u3000").empty());
}

TEST(SearchPitch, TheMonoBitWinsThenVariableThenFixed) {
  EXPECT_EQ(PitchClass(0), 3);
  EXPECT_EQ(PitchClass(1), 1);
  EXPECT_EQ(PitchClass(2), 2);
  EXPECT_EQ(PitchClass(3), 2);
  EXPECT_EQ(PitchClass(9), 4);
  EXPECT_EQ(PitchClass(0x31), 1);  // the family in the high bits does not count
  EXPECT_EQ(ValidPitchIndex(4), 4);
  EXPECT_EQ(ValidPitchIndex(5), 0);  // a stored index the box does not offer filters nothing
  EXPECT_EQ(ValidPitchIndex(-1), 0);
}

TEST_F(SearchRules, TwoWordsWithAnIdeographicSpaceInAndModeNeedBothInTheName) {
  AddFile(u"msgothic.ttc", {{u"ＭＳ ゴシック", u"ＭＳ ゴシック"},
                            {u"ＭＳ Ｐゴシック", u"ＭＳ Ｐゴシック"},
                            {u"MS UI Gothic", u"MS UI Gothic"}});
  AddFile(u"msmincho.ttc", {{u"ＭＳ 明朝", u"ＭＳ 明朝"}});
  AddFile(u"ipag.ttf", {{u"IPAゴシック", u"IPAゴシック"}});
  EXPECT_EQ(Search(u"ＭＳ\u3000ゴシック", true), 2);
  EXPECT_EQ(FoundFamilies(), (std::vector<std::u16string>{u"ＭＳ ゴシック", u"ＭＳ Ｐゴシック"}));
  // OR: either word.
  EXPECT_EQ(Search(u"ＭＳ\u3000ゴシック", false), 4);
  EXPECT_EQ(FoundFamilies(),
            (std::vector<std::u16string>{u"ＭＳ ゴシック", u"ＭＳ Ｐゴシック", u"ＭＳ 明朝", u"IPAゴシック"}));
}

TEST_F(SearchRules, FileNamesAloneInAndAndOrModeIgnoringCase) {
  AddFile(u"Arial Bold.ttf", {{u"Sans A", u"Sans A"}});
  AddFile(u"arial.ttf", {{u"Sans B", u"Sans B"}});
  AddFile(u"boldface.ttf", {{u"Sans C", u"Sans C"}});
  AddFile(u"other.ttf", {{u"arial bold", u"arial bold"}});  // only its font name holds the words
  SearchQuery onlyFileName;
  onlyFileName.fontName = false;
  onlyFileName.fileName = true;
  EXPECT_EQ(Search(u"arial bold", true, onlyFileName), 1);
  EXPECT_EQ(FoundFamilies(), std::vector<std::u16string>{u"Sans A"});
  EXPECT_EQ(Search(u"arial bold", false, onlyFileName), 3);
  EXPECT_EQ(FoundFamilies(), (std::vector<std::u16string>{u"Sans A", u"Sans B", u"Sans C"}));
  // Nothing checked finds nothing, whatever the text.
  SearchQuery none = onlyFileName;
  none.fileName = false;
  EXPECT_EQ(Search(u"arial", false, none), 0);
}

TEST_F(SearchRules, InAndModeEveryWordMustBeInOneFieldOrOneLanguageEntry) {
  AddFile(u"split.ttf", {{u"Alpha", u"Beta", 2, {u"Alpha Gamma", u"Beta Delta"}}});
  SearchQuery both;
  both.fullName = true;
  EXPECT_EQ(Search(u"alpha beta", true, both), 0) << "one word in the family, the other in the full name";
  SearchQuery languages;
  languages.fontName = false;
  languages.otherNames = true;
  EXPECT_EQ(Search(u"alpha beta", true, languages), 0) << "the words are in two different language entries";
  EXPECT_EQ(Search(u"beta delta", true, languages), 1);
  EXPECT_EQ(Search(u"gamma delta", false, languages), 1);
}

TEST_F(SearchRules, APitchWithAnEmptyTextMarksEveryFaceOfThatPitch) {
  AddFile(u"mono.ttc",
          {{u"Fixed A", u"Fixed A", 1}, {u"Variable B", u"Variable B", 2}, {u"Fixed C", u"Fixed C", 0x31}});
  AddFile(u"plain.ttf", {{u"Default D", u"Default D", 0}});
  SearchQuery fixed;
  fixed.pitchIndex = 1;  // FIXED_PITCH
  EXPECT_EQ(Search(u"\u3000", false, fixed), 2);
  EXPECT_EQ(FoundFamilies(), (std::vector<std::u16string>{u"Fixed A", u"Fixed C"}));
  SearchQuery fixedWord = fixed;
  EXPECT_EQ(Search(u"variable", false, fixedWord), 0) << "the pitch filters before the words";
  EXPECT_EQ(Search(u"", false), 4) << "all pitches, no text: every face";
  // Ticking the found faces ticks their files once, whichever faces were marked.
  Search(u"", false, fixed);
  TickFoundFaces(tree);
  EXPECT_TRUE(records.front().Has(Selected));
  EXPECT_FALSE(records.back().Has(Selected));
  ClearFoundMarks(tree);
  EXPECT_TRUE(FoundFamilies().empty());
}

TEST_F(SearchRules, ANewSearchClearsTheMarksOfTheLastOne) {
  AddFile(u"a.ttf", {{u"Alpha", u"Alpha"}});
  AddFile(u"b.ttf", {{u"Beta", u"Beta"}});
  Search(u"alpha", false);
  Search(u"beta", false);
  EXPECT_EQ(FoundFamilies(), std::vector<std::u16string>{u"Beta"});
}

TEST(SearchHistory, TextsDifferingOnlyInCaseAreOneEntryInTheNewestSpelling) {
  FakeFolding folding;
  std::vector<std::u16string> history;
  RememberSearchText(history, u"Arial", folding);
  RememberSearchText(history, u"Gothic", folding);
  RememberSearchText(history, u"arial", folding);
  EXPECT_EQ(history, (std::vector<std::u16string>{u"arial", u"Gothic"}));
}

TEST(SearchResult, NothingFoundIsSaidAndAFindIsNot) {
  EXPECT_EQ(SearchResultText(0), u"見つかりませんでした");
  EXPECT_EQ(SearchResultText(1), u"");
}

TEST(SearchHistory, KeepsNineMostRecentFirstWithoutDuplicates) {
  FakeFolding folding;
  std::vector<std::u16string> history;
  for (int i = 1; i <= 10; ++i)
    RememberSearchText(history, u"text" + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)), folding);
  ASSERT_EQ(history.size(), 9u);
  EXPECT_EQ(history.front(), u"text0");
  EXPECT_EQ(history.back(), u"text2");           // text1, the oldest, went
  RememberSearchText(history, u"\u3000text5 ", folding);  // the same text once normalised
  ASSERT_EQ(history.size(), 9u);
  EXPECT_EQ(history.front(), u"text5");
  EXPECT_EQ(std::count(history.begin(), history.end(), u"text5"), 1);
  RememberSearchText(history, u"\u3000", folding);
  EXPECT_EQ(history.front(), u"text5") << "an empty text is not remembered";

  const auto stored = StoredSearchHistory(history);
  EXPECT_EQ(stored[0], u"text5");
  EXPECT_EQ(stored[8], history[8]);
  EXPECT_EQ(StoredSearchHistory({u"a"})[1], u"") << "unused keys are emptied";
  std::array<std::u16string, 9> file{u"one", u"", u"three"};
  EXPECT_EQ(LoadedSearchHistory(file), (std::vector<std::u16string>{u"one", u"three"}));
}

TEST(SearchStep, SkipsRootsAndUnmarkedNodesAndWrapsAtEitherEnd) {
  // root, a (found), b, face of b (found), root, c (found)
  const std::vector<StepStop> nodes = {{true, true},  {false, true}, {false, false},
                                       {false, true}, {true, false}, {false, true}};
  EXPECT_EQ(StepToFound(nodes, 1, StepDirection::Forward).index, 3);
  EXPECT_EQ(StepToFound(nodes, 3, StepDirection::Forward).index, 5);
  const StepResult wrapped = StepToFound(nodes, 5, StepDirection::Forward);
  EXPECT_EQ(wrapped.index, 1);  // "↓" after the last marked face: the first
  EXPECT_TRUE(wrapped.wrapped);
  EXPECT_EQ(StepToFound(nodes, -1, StepDirection::Forward).index, 1);
  EXPECT_EQ(StepToFound(nodes, 3, StepDirection::Backward).index, 1);
  const StepResult back = StepToFound(nodes, 1, StepDirection::Backward);
  EXPECT_EQ(back.index, 5);
  EXPECT_TRUE(back.wrapped);
  EXPECT_EQ(StepToFound(nodes, -1, StepDirection::Backward).index, 5) << "none selected: the last node counts";
  // A single mark, selected: the wrap comes back to it.
  EXPECT_EQ(StepToFound({{true, false}, {false, true}}, 1, StepDirection::Forward).index, 1);
  EXPECT_EQ(StepToFound({{true, true}, {false, false}}, -1, StepDirection::Forward).index, -1);
  EXPECT_EQ(StepToFound({}, -1, StepDirection::Backward).index, -1);
}

}  // namespace
}  // namespace velura::testing
