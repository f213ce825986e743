// The registry key wrapper against the real registry, under a key of its own in HKEY_CURRENT_USER.
#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "platform/registry_key_win.h"

namespace velura::testing {
namespace {

constexpr const wchar_t* kTestKey = L"Software\\VeluraTests\\RegistryKey";

class RegistryKeyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VeluraTests"); }

  static void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    auto key = RegistryKey::Open(HKEY_CURRENT_USER, kTestKey, KEY_ALL_ACCESS);
    ASSERT_TRUE(key);
    ASSERT_EQ(RegSetValueExW(key->Handle(), name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  }
};

TEST_F(RegistryKeyTest, OpensOnlyExistingKeysAndAcceptsALeadingBackslash) {
  EXPECT_TRUE(RegistryKey::Open(HKEY_CURRENT_USER, L"\\Software\\VeluraTests\\RegistryKey", KEY_READ));
  EXPECT_FALSE(RegistryKey::Open(HKEY_CURRENT_USER, L"Software\\VeluraTests\\RegistryKey\\Absent", KEY_READ));
  HKEY probe = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\VeluraTests\\RegistryKey\\Absent", 0, KEY_READ, &probe),
            ERROR_SUCCESS);
}

TEST_F(RegistryKeyTest, ReadsReportTheTypeAndTheTextOfStringTypes) {
  auto key = RegistryKey::Open(HKEY_CURRENT_USER, kTestKey, KEY_READ | KEY_WRITE);
  ASSERT_TRUE(key);
  ASSERT_EQ(key->WriteString(L"日本語の名前 (TrueType)", L"表ソ能.TTF"), ERROR_SUCCESS);
  ASSERT_EQ(key->WriteString(L"empty", L""), ERROR_SUCCESS);
  ASSERT_EQ(key->WriteMultiString(L"multi", {L"A.TTC,Face A", L"", L"B.TTF,Face B"}), ERROR_SUCCESS);
  const DWORD number = 7;
  SetRaw(L"number", REG_DWORD, &number, sizeof(number));
  const wchar_t expand[] = L"%WINDIR%\\Fonts\\X.TTF";
  SetRaw(L"expand", REG_EXPAND_SZ, expand, sizeof(expand));
  const wchar_t embedded[] = L"FIRST.TTF\0junk";
  SetRaw(L"embedded", REG_SZ, embedded, sizeof(embedded));
  const wchar_t unterminated[] = {L'N', L'T'};
  SetRaw(L"unterminated", REG_SZ, unterminated, sizeof(unterminated));

  const auto names = key->ValueNames();
  EXPECT_EQ(names.size(), 7u);
  EXPECT_NE(std::find(names.begin(), names.end(), L"日本語の名前 (TrueType)"), names.end());

  const auto text = key->Read(L"日本語の名前 (TrueType)");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->Type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(text->Text, L"表ソ能.TTF");
  EXPECT_EQ(key->Read(L"empty")->Text, L"");
  EXPECT_EQ(key->Read(L"multi")->Type, static_cast<DWORD>(REG_MULTI_SZ));
  EXPECT_EQ(key->Read(L"multi")->Text, std::wstring(L"A.TTC,Face A\0\0B.TTF,Face B", 26));
  EXPECT_EQ(key->Read(L"number")->Type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(key->Read(L"number")->Text, L"");
  EXPECT_EQ(key->Read(L"expand")->Type, static_cast<DWORD>(REG_EXPAND_SZ));
  EXPECT_EQ(key->Read(L"expand")->Text, L"%WINDIR%\\Fonts\\X.TTF");
  EXPECT_EQ(key->Read(L"embedded")->Text, L"FIRST.TTF");
  EXPECT_EQ(key->Read(L"unterminated")->Text, L"NT");
  EXPECT_FALSE(key->Read(L"absent"));

  // All at once: the same names in the same order, each with what Read gives for it.
  const auto values = key->Values();
  ASSERT_EQ(values.size(), names.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(values[i].first, names[i]);
    const auto one = key->Read(names[i]);
    ASSERT_TRUE(one);
    EXPECT_EQ(values[i].second.Type, one->Type) << i;
    EXPECT_EQ(values[i].second.Text, one->Text) << i;
  }

  EXPECT_EQ(key->DeleteValue(L"日本語の名前 (TrueType)"), ERROR_SUCCESS);
  EXPECT_FALSE(key->Read(L"日本語の名前 (TrueType)"));
  EXPECT_NE(key->DeleteValue(L"日本語の名前 (TrueType)"), ERROR_SUCCESS);
}

TEST_F(RegistryKeyTest, AReadOnlyKeyRefusesWrites) {
  auto key = RegistryKey::Open(HKEY_CURRENT_USER, kTestKey, KEY_READ);
  ASSERT_TRUE(key);
  EXPECT_NE(key->WriteString(L"x", L"y"), ERROR_SUCCESS);
}

TEST_F(RegistryKeyTest, MovingHandsOverTheHandle) {
  auto opened = RegistryKey::Open(HKEY_CURRENT_USER, kTestKey, KEY_READ | KEY_WRITE);
  ASSERT_TRUE(opened);
  RegistryKey moved = std::move(*opened);
  EXPECT_EQ(opened->Handle(), nullptr);
  EXPECT_EQ(moved.WriteString(L"after move", L"ok"), ERROR_SUCCESS);
}

}  // namespace
}  // namespace velura::testing
