// The install destination dialog's rules: entries, adding folders and closing with OK.
#include <gtest/gtest.h>

#include <set>

#include "ui/fontviews/install_destination.h"

namespace velura {
namespace {

struct Folders : DestinationFolders {
  bool Exists(const std::u16string& f) override { return existing.count(f) != 0; }
  bool ConfirmCreation() override {
    ++questions;
    return answer;
  }
  bool Create(const std::u16string& f) override {
    if (!creatable) return false;
    existing.insert(f);
    return true;
  }
  void ShowMessage(const std::u16string& text) override { messages.push_back(text); }
  std::set<std::u16string> existing{u"C:\\Windows\\Fonts", u"D:\\Fonts"};
  bool answer = true, creatable = true;
  int questions = 0;
  std::vector<std::u16string> messages;
};

TEST(InstallDestination, FontsFolderEntryAndResult) {
  InstallDestinationModel model({u"C:\\Windows\\Fonts", u"D:\\Fonts"});
  EXPECT_EQ(model.Entries()[0], u"既定のフォントフォルダ　　\"C:\\Windows\\Fonts\"");
  EXPECT_EQ(model.EditTextForSelection(), u"");
  model.selected = 1;
  EXPECT_EQ(model.EditTextForSelection(), u"D:\\Fonts");
  EXPECT_EQ(model.Result()[0], u"C:\\Windows\\Fonts");
  Folders folders;
  model.selected = 0;
  folders.existing.clear();  // the fonts folder is never asked about
  EXPECT_TRUE(model.CanCloseWithOk(folders));
  EXPECT_EQ(folders.questions, 0);
}

TEST(InstallDestination, PerUserOffersTheUserFolderAloneAndNeverAsks) {
  const std::u16string user = u"C:\\Users\\u\\AppData\\Local\\Microsoft\\Windows\\Fonts";
  InstallDestinationModel model = InstallDestinationModel::ForUser(user);
  EXPECT_TRUE(model.PerUser());
  ASSERT_EQ(model.Entries().size(), 1u);
  EXPECT_EQ(model.Entries()[0], u"このユーザーのフォントフォルダ　　\"" + user + u"\"");
  EXPECT_EQ(model.Result(), std::vector<std::u16string>{user});
  Folders folders;
  folders.existing.clear();  // made by the install itself, not by the dialog
  EXPECT_FALSE(model.AddFolder(u"D:\\Fonts", folders));
  EXPECT_EQ(model.Entries().size(), 1u);
  EXPECT_TRUE(model.CanCloseWithOk(folders));
  EXPECT_EQ(folders.questions, 0);
  EXPECT_FALSE(InstallDestinationModel({u"C:\\Windows\\Fonts"}).PerUser());
}

TEST(InstallDestination, AddingANewFolderAsksAndCreatesIt) {
  InstallDestinationModel model({u"C:\\Windows\\Fonts"});
  Folders folders;
  ASSERT_TRUE(model.AddFolder(u"E:\\New", folders));
  EXPECT_EQ(folders.questions, 1);
  EXPECT_TRUE(folders.existing.count(u"E:\\New"));
  EXPECT_EQ(model.selected, 1);
  EXPECT_TRUE(model.AddFolder(u"E:\\New", folders));  // appended again, not asked again
  EXPECT_EQ(model.Entries().size(), 3u);
  EXPECT_EQ(folders.questions, 1);

  folders.answer = false;
  EXPECT_FALSE(model.AddFolder(u"F:\\Declined", folders));
  folders.answer = true;
  folders.creatable = false;
  EXPECT_FALSE(model.AddFolder(u"G:\\Impossible", folders));
  EXPECT_EQ(folders.messages, std::vector<std::u16string>{u"ディレクトリ作成に失敗しました\r\n処理を中断します"});
}

TEST(InstallDestination, ClosingWithOkNeedsASelectionAndAnExistingFolder) {
  InstallDestinationModel model({u"C:\\Windows\\Fonts", u"H:\\Gone"});
  Folders folders;
  model.selected = -1;
  EXPECT_FALSE(model.CanCloseWithOk(folders));
  EXPECT_EQ(folders.messages.back(), u"インストール先を選択してください");
  model.selected = 1;
  folders.answer = false;
  EXPECT_FALSE(model.CanCloseWithOk(folders));  // Cancel keeps the dialog open
  folders.answer = true;
  EXPECT_TRUE(model.CanCloseWithOk(folders));
  EXPECT_TRUE(folders.existing.count(u"H:\\Gone"));
}

}  // namespace
}  // namespace velura
