// The registry font data against the real registry of the test prefix. Wine rewrites the Fonts key from
// fontconfig at every start, so the tests assert only about values of their own, removed again afterwards.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "platform/registry_key_win.h"
#include "platform/user_error.h"
#include "platform/wide_win.h"
#include "records/reg_font_data_win.h"
#include "records/reg_font_registry_win.h"

namespace velura::testing {
namespace {

constexpr const wchar_t* kFontsKey = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
constexpr const wchar_t* kSubstitutesKey = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes";
constexpr const wchar_t* kSystemLinkKey = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink";

// Every value a test may leave behind when it fails halfway, per key.
const std::vector<std::pair<const wchar_t*, const wchar_t*>> kTestValues = {
    {kFontsKey, L"ベルラ試験ゴシック (TrueType)"},
    {kFontsKey, L"ベルラ共有甲 (TrueType)"},
    {kFontsKey, L"ベルラ共有乙 (TrueType)"},
    {kFontsKey, L"ベルラ試験 数値"},
    {kFontsKey, L"ベルラ試験 展開 (TrueType)"},
    {kSubstitutesKey, L"ベルラ試験 バイナリ"},
    {kSystemLinkKey, L"ベルラ試験リンク"},
};

std::u16string FontsFolder() {
  wchar_t folder[MAX_PATH] = {};
  SHGetSpecialFolderPathW(nullptr, folder, CSIDL_FONTS, FALSE);
  return ToU16(folder);
}

RegistryKey OpenKey(const wchar_t* path) {
  auto key = RegistryKey::Open(HKEY_LOCAL_MACHINE, path, KEY_ALL_ACCESS);
  if (!key) throw std::runtime_error("test key missing");
  return std::move(*key);
}

bool ValueExists(const wchar_t* path, std::wstring_view name) { return OpenKey(path).Read(name).has_value(); }

bool Listed(const TRegFontData& data, std::u16string_view valueName) {
  for (const auto& entry : data.Fonts)
    if (entry.ValueName == valueName) return true;
  return false;
}

class RegFontDataOnWindows : public ::testing::Test {
 protected:
  void SetUp() override { RemoveTestValues(); }
  void TearDown() override { RemoveTestValues(); }
  static void RemoveTestValues() {
    for (const auto& [key, name] : kTestValues) OpenKey(key).DeleteValue(name);
  }

  const std::u16string fontsFolder = FontsFolder();
};

TEST_F(RegFontDataOnWindows, ThisSystemIsOfTheNtFamily) {
  EXPECT_EQ(SystemFontRegistry().PlatformId(), 2u);
  auto data = NewSystemRegFontData(fontsFolder);
  EXPECT_EQ(data->FontsKeyPath(), u"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts");
  EXPECT_FALSE(data->Fonts.empty());
  EXPECT_EQ(data->FontFolders().front(), fontsFolder);
}

TEST_F(RegFontDataOnWindows, WritesFindsAndDeletesAValueWithAJapaneseName) {
  auto data = NewSystemRegFontData(fontsFolder);
  data->WriteFontValue(u"ベルラ試験ゴシック (TrueType)", u"ベルラ試験GOTHIC.TTF");
  const auto written = OpenKey(kFontsKey).Read(L"ベルラ試験ゴシック (TrueType)");
  ASSERT_TRUE(written);
  EXPECT_EQ(written->Type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(written->Text, L"ベルラ試験GOTHIC.TTF");

  // Other programs find it by its name in the ANSI code page.
  HKEY fonts = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", 0, KEY_READ,
                          &fonts), ERROR_SUCCESS);
  DWORD type = 0;
  EXPECT_EQ(RegQueryValueExA(fonts, "\x83\x78\x83\x8b\x83\x89\x8e\x8e\x8c\xb1\x83\x53\x83\x56\x83\x62\x83\x4e (TrueType)",
                             nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
  RegCloseKey(fonts);

  EXPECT_FALSE(data->IsRegisteredName(u"ベルラ試験ゴシック"));  // not before a reload
  data->LoadFontsList();
  EXPECT_TRUE(data->IsRegisteredName(u"ベルラ試験ゴシック"));
  EXPECT_TRUE(data->IsRegisteredName(u"  ベルラ試験ゴシック (OpenType)"));
  EXPECT_TRUE(data->IsRegisteredFile(fontsFolder + u"\\ベルラ試験gothic.ttf"));
  EXPECT_FALSE(data->IsRegisteredFile(u"D:\\ベルラ試験GOTHIC.TTF"));

  EXPECT_TRUE(data->DeleteFontValueForFile(fontsFolder + u"\\ベルラ試験Gothic.ttf"));
  EXPECT_FALSE(ValueExists(kFontsKey, L"ベルラ試験ゴシック (TrueType)"));
  data->LoadFontsList();
  EXPECT_FALSE(data->IsRegisteredName(u"ベルラ試験ゴシック"));
}

TEST_F(RegFontDataOnWindows, ValuesOfUnexpectedTypesAreSkippedNotFatal) {
  {
    RegistryKey fonts = OpenKey(kFontsKey);
    const DWORD number = 1;
    ASSERT_EQ(RegSetValueExW(fonts.Handle(), L"ベルラ試験 数値", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                             sizeof(number)), ERROR_SUCCESS);
    const wchar_t expand[] = L"%WINDIR%\\Fonts\\VELURA_EXPAND.TTF";
    ASSERT_EQ(RegSetValueExW(fonts.Handle(), L"ベルラ試験 展開 (TrueType)", 0, REG_EXPAND_SZ,
                             reinterpret_cast<const BYTE*>(expand), sizeof(expand)), ERROR_SUCCESS);
    const BYTE bytes[] = {1, 2, 3};
    ASSERT_EQ(RegSetValueExW(OpenKey(kSubstitutesKey).Handle(), L"ベルラ試験 バイナリ", 0, REG_BINARY, bytes,
                             sizeof(bytes)), ERROR_SUCCESS);
  }
  std::unique_ptr<TRegFontData> data;
  ASSERT_NO_THROW(data = NewSystemRegFontData(fontsFolder));
  EXPECT_FALSE(Listed(*data, u"ベルラ試験 数値"));
  ASSERT_TRUE(Listed(*data, u"ベルラ試験 展開 (TrueType)"));
  EXPECT_TRUE(data->IsRegisteredFile(u"%WINDIR%\\Fonts\\velura_expand.ttf"));  // as written, not expanded
}

TEST_F(RegFontDataOnWindows, AMultiStringSystemLinkValueProtectsTheFilesItNames) {
  auto before = NewSystemRegFontData(fontsFolder);
  EXPECT_FALSE(before->IsProtected(u"velura_link1.ttc", u""));
  ASSERT_EQ(OpenKey(kSystemLinkKey).WriteMultiString(L"ベルラ試験リンク",
                                                      {L"VELURA_LINK1.TTC,Face A", L"ベルラ_LINK2.TTF,Face B,128,96"}),
            ERROR_SUCCESS);

  auto data = NewSystemRegFontData(fontsFolder);
  EXPECT_TRUE(data->IsProtected(u"velura_link1.ttc", u"Unrelated"));
  EXPECT_TRUE(data->IsProtected(u"ベルラ_link2.ttf", u"Unrelated"));
  EXPECT_FALSE(data->IsProtected(u"Face A", u"Unrelated"));
}

// Two values name files called VELURA_SHARED.TTF: one in another folder, one in the fonts folder.
TEST_F(RegFontDataOnWindows, DeletingForAFileSparesTheFontThatSharesItsFileName) {
  auto data = NewSystemRegFontData(fontsFolder);
  data->WriteFontValue(u"ベルラ共有甲 (TrueType)", u"D:\\ベルラ別\\VELURA_SHARED.TTF");
  data->WriteFontValue(u"ベルラ共有乙 (TrueType)", u"VELURA_SHARED.TTF");
  data->LoadFontsList();

  EXPECT_TRUE(data->DeleteFontValueForFile(fontsFolder + u"\\velura_shared.ttf"));
  EXPECT_TRUE(ValueExists(kFontsKey, L"ベルラ共有甲 (TrueType)"));
  EXPECT_FALSE(ValueExists(kFontsKey, L"ベルラ共有乙 (TrueType)"));
  data->LoadFontsList();
  EXPECT_FALSE(data->DeleteFontValueForFile(fontsFolder + u"\\velura_shared.ttf"));
  EXPECT_TRUE(ValueExists(kFontsKey, L"ベルラ共有甲 (TrueType)"));

  // By file name alone the first of the two in enumeration order goes, whichever it is.
  data->WriteFontValue(u"ベルラ共有乙 (TrueType)", u"VELURA_SHARED.TTF");
  data->LoadFontsList();
  std::u16string first, second;
  for (const auto& entry : data->Fonts)
    if (entry.ValueName.starts_with(u"ベルラ共有")) (first.empty() ? first : second) = entry.ValueName;
  ASSERT_FALSE(second.empty());
  EXPECT_TRUE(data->DeleteFontValueByFile(u"Velura_Shared.ttf"));
  EXPECT_FALSE(ValueExists(kFontsKey, AsWide(first)));
  EXPECT_TRUE(ValueExists(kFontsKey, AsWide(second)));
}

TEST_F(RegFontDataOnWindows, DeletingAValueThatIsAlreadyGoneReportsItsName) {
  auto data = NewSystemRegFontData(fontsFolder);
  data->WriteFontValue(u"ベルラ共有甲 (TrueType)", u"VELURA_GONE.TTF");
  data->LoadFontsList();
  OpenKey(kFontsKey).DeleteValue(L"ベルラ共有甲 (TrueType)");  // another program was quicker
  try {
    data->DeleteFontValueByFile(u"velura_gone.ttf");
    FAIL() << "no error";
  } catch (const UserError& error) {
    EXPECT_EQ(error.Message(), u"レジストリ削除に失敗しました\r\nベルラ共有甲 (TrueType)");
  }
}

}  // namespace
}  // namespace velura::testing
