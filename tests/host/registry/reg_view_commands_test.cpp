// The registry viewer's loops: which values and files they touch and what they count.
#include "ui/registry/reg_view_commands.h"

#include <gtest/gtest.h>

#include "../records/fake_font_registry.h"
#include "../records/fake_services.h"

namespace velura {
namespace {

using namespace velura::testing;

const std::u16string kFolder = u"C:\\Windows\\Fonts";

class RegViewCommands : public ::testing::Test {
 protected:
  RegViewCommands() {
    files.MakeFolder(kFolder);
    files.MakeFolder(u"D:\\in");
  }
  TRegFontData& Load() {
    data = std::make_unique<TRegFontData>(registry, folding, kFolder);
    table = BuildFontRows(
        data->Fonts, kFolder, [&](const std::u16string& p) { return files.Has(p); }, folding);
    return *data;
  }
  std::function<bool(const std::u16string&)> Exists() {
    return [this](const std::u16string& p) { return files.Has(p); };
  }
  FakeFontRegistry registry;
  FakeFolding folding;
  FakeFiles files;
  std::unique_ptr<TRegFontData> data;
  RegViewTable table;
};

TEST_F(RegViewCommands, RowsLoseTheirOwnValuesAndRefusalsAreCountedAndNamed) {
  registry.AddFont(u"A (TrueType)", u"shared.ttf");
  registry.AddFont(u"B (TrueType)", u"shared.ttf");
  registry.AddFont(u"C (TrueType)", u"c.ttf");
  registry.AddFont(u"D (TrueType)", u"d.ttf");
  registry.keys[kFontsPath].undeletable = {u"C (TrueType)", u"D (TrueType)"};
  Load();
  const RowDeletion result = DeleteRowValues(*data, table, {1, 2, 3, 7, -1});
  EXPECT_EQ(result.Succeeded, 1u);
  EXPECT_EQ(result.Failed, 4u);
  EXPECT_TRUE(registry.HasValue(kFontsPath, u"A (TrueType)"));  // shares the file name, keeps its value
  EXPECT_FALSE(registry.HasValue(kFontsPath, u"B (TrueType)"));
  ASSERT_EQ(result.Errors.size(), 2u);
  EXPECT_EQ(DeletionErrorsText(result.Errors), u"レジストリ削除に失敗しました\r\nC (TrueType)\r\nD (TrueType)");
}

TEST_F(RegViewCommands, AnUnopenableKeyIsOneErrorForEveryRow) {
  registry.AddFont(u"A (TrueType)", u"a.ttf");
  registry.AddFont(u"B (TrueType)", u"b.ttf");
  Load();
  registry.keys.erase(kFontsPath);
  const RowDeletion result = DeleteRowValues(*data, table, {0, 1});
  EXPECT_EQ(result.Failed, 2u);
  EXPECT_EQ(DeletionErrorsText(result.Errors), u"error! RegOpenKey");
}

TEST_F(RegViewCommands, RepairTakesEveryMissingRowTheFirstIncluded) {
  registry.AddFont(u"Gone1", u"gone1.ttf");
  registry.AddFont(u"Here", u"here.ttf");
  registry.AddFont(u"Gone2", u"D:\\elsewhere\\gone2.ttf");
  files.Put(kFolder + u"\\here.ttf", Bytes(4, 0));
  Load();
  const RepairPlan plan = PlanRepair(table, kFolder, Exists(), [](const std::u16string&) { return true; });
  EXPECT_EQ(plan.Remove, (std::vector<int>{0, 2}));
  EXPECT_EQ(DeleteRowValues(*data, table, plan.Remove).Succeeded, 2u);
  EXPECT_TRUE(registry.HasValue(kFontsPath, u"Here"));
  EXPECT_EQ(registry.keys[kFontsPath].values.size(), 1u);
}

// A file on a drive that is not there, or on the network, may come back: its value stays and is named.
// Whether a file is missing is asked when the repair is, not taken from the list.
TEST_F(RegViewCommands, RepairKeepsFilesOnAbsentDrivesAndNetworkPathsAndAsksNow) {
  registry.AddFont(u"Gone", u"D:\\in\\gone.ttf");
  registry.AddFont(u"Unplugged", u"E:\\fonts\\u.ttf");
  registry.AddFont(u"Network", u"\\\\server\\fonts\\n.ttf");
  registry.AddFont(u"Back", u"back.ttf");
  Load();
  files.Put(kFolder + u"\\back.ttf", Bytes(4, 0));  // came back after the list was filled
  const RepairPlan plan =
      PlanRepair(table, kFolder, Exists(), [](const std::u16string& root) { return root != u"E:\\"; });
  EXPECT_EQ(plan.Remove, std::vector<int>{0});
  EXPECT_EQ(plan.Unreachable, (std::vector<int>{1, 2}));
  EXPECT_EQ(RepairQuestionText(table, kFolder, plan),
            u"フォントファイルの存在しないレジストリ情報をすべて削除します\r\n\r\n削除する項目：\r\n"
            u"　Gone　：　D:\\in\\gone.ttf\r\n\r\n"
            u"次の項目はドライブが見つからないかネットワーク上にあるため残します：\r\n"
            u"　Unplugged　：　E:\\fonts\\u.ttf\r\n　Network　：　\\\\server\\fonts\\n.ttf\r\n");
}

TEST_F(RegViewCommands, FolderFilesAreDeletedPlainlyAndFailuresCounted) {
  files.Put(kFolder + u"\\a.ttf", Bytes(4, 0));
  files.Put(kFolder + u"\\ro.ttf", Bytes(4, 0), 0x01);  // read-only: attributes are not cleared
  files.Put(kFolder + u"\\locked.fon", Bytes(4, 0));
  files.undeletable.insert(LowerAscii(kFolder + u"\\locked.fon"));
  EXPECT_EQ(DeleteFolderFiles(files, {kFolder + u"\\a.ttf", kFolder + u"\\ro.ttf", kFolder + u"\\locked.fon",
                                      kFolder + u"\\absent.ttf"}),
            3u);
  EXPECT_FALSE(files.Has(kFolder + u"\\a.ttf"));
  EXPECT_TRUE(files.Has(kFolder + u"\\ro.ttf"));
}

TEST_F(RegViewCommands, CopyIntoCopiesUnderTheOwnNameAndCountsFailures) {
  files.Put(u"D:\\in\\New.ttf", Bytes(4, 1));
  files.Put(u"D:\\in\\old.ttf", Bytes(4, 2));
  files.Put(kFolder + u"\\old.ttf", Bytes(4, 9));
  const auto replace = [](const MessageRequest&) { return MessageResult::Yes; };
  EXPECT_EQ(
      CopyIntoFontsFolder(files, kFolder, {u"D:\\in\\New.ttf", u"D:\\in\\old.ttf", u"D:\\in\\absent.ttf"}, replace),
      1u);
  EXPECT_EQ(files.files.at(LowerAscii(kFolder + u"\\new.ttf")).path, kFolder + u"\\New.ttf");
  EXPECT_EQ(files.BytesOf(kFolder + u"\\old.ttf"), Bytes(4, 2));
}

// A file already in the fonts folder is replaced only as the user answers for it.
TEST_F(RegViewCommands, CopyIntoAsksBeforeEachReplacement) {
  for (const char16_t* name : {u"a.ttf", u"b.ttf", u"c.ttf", u"d.ttf", u"e.ttf"}) {
    files.Put(u"D:\\in\\" + std::u16string(name), Bytes(4, 1));
    files.Put(kFolder + u"\\" + name, Bytes(4, 9));
  }
  const std::vector<std::u16string> sources{u"D:\\in\\a.ttf", u"D:\\in\\b.ttf", u"D:\\in\\c.ttf", u"D:\\in\\d.ttf"};
  std::vector<MessageResult> answers{MessageResult::No, MessageResult::Yes, MessageResult::Cancel};
  std::vector<std::u16string> asked;
  const auto ask = [&](const MessageRequest& question) {
    asked.push_back(question.Text);
    EXPECT_EQ(question.Buttons, MessageButtons::YesNoYesToAllCancel);
    const MessageResult answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  };
  EXPECT_EQ(CopyIntoFontsFolder(files, kFolder, sources, ask), 0u);
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_NE(asked[0].find(kFolder + u"\\a.ttf"), std::u16string::npos);
  EXPECT_EQ(files.BytesOf(kFolder + u"\\a.ttf"), Bytes(4, 9));  // いいえ
  EXPECT_EQ(files.BytesOf(kFolder + u"\\b.ttf"), Bytes(4, 1));  // はい
  EXPECT_EQ(files.BytesOf(kFolder + u"\\c.ttf"), Bytes(4, 9));  // キャンセル: nothing more
  EXPECT_EQ(files.BytesOf(kFolder + u"\\d.ttf"), Bytes(4, 9));

  answers = {MessageResult::YesToAll};
  asked.clear();
  EXPECT_EQ(CopyIntoFontsFolder(files, kFolder, {u"D:\\in\\c.ttf", u"D:\\in\\d.ttf", u"D:\\in\\e.ttf"}, ask), 0u);
  EXPECT_EQ(asked.size(), 1u);  // すべてはい
  for (const char16_t* name : {u"c.ttf", u"d.ttf", u"e.ttf"})
    EXPECT_EQ(files.BytesOf(kFolder + u"\\" + name), Bytes(4, 1));
}

}  // namespace
}  // namespace velura
