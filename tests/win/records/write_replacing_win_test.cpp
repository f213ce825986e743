// The replacing write of the program's own files against the real file system: the file is the old one or
// the new one, and what a killed process leaves behind does not stop the next save.
#include <windows.h>

#include <gtest/gtest.h>

#include "records/system_services_win.h"
#include "support/file_bytes_win.h"
#include "support/temp_folder_win.h"

namespace velura::testing {
namespace {

const std::vector<std::uint8_t> kOld{'o', 'l', 'd', 0, 1, 2, 3};
const std::vector<std::uint8_t> kNew{'n', 'e', 'w'};

class WriteReplacing : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(WriteFileBytes(folder / L"veluragd.bin", kOld)); }
  bool Save(const std::vector<std::uint8_t>& bytes) { return files.WriteReplacing(folder.U16(L"veluragd.bin"), bytes); }
  std::vector<std::uint8_t> OnDisk(const wchar_t* name = L"veluragd.bin") const {
    return ReadFileByteVector(folder / name);
  }
  bool Exists(const wchar_t* name) const {
    return GetFileAttributesW((folder / name).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  TempFolder folder{L"write_replacing"};
  WindowsFileServices files;
};

TEST_F(WriteReplacing, ReplacesTheWholeFileAndLeavesNoTemporary) {
  ASSERT_TRUE(Save(kNew));
  EXPECT_EQ(OnDisk(), kNew);
  EXPECT_FALSE(Exists(L"veluragd.bin.tmp"));
}

TEST_F(WriteReplacing, ALeftOverTemporaryDoesNotBreakTheNextSave) {
  // A process killed after its temporary write: the file itself is still the old one, whole.
  ASSERT_TRUE(WriteFileBytes(folder / L"veluragd.bin.tmp", std::string_view("half")));
  EXPECT_EQ(OnDisk(), kOld);
  ASSERT_TRUE(Save(kNew));
  EXPECT_EQ(OnDisk(), kNew);
  EXPECT_FALSE(Exists(L"veluragd.bin.tmp"));
}

TEST_F(WriteReplacing, AReadOnlyLeftOverTemporaryDoesNotBreakTheNextSave) {
  ASSERT_TRUE(WriteFileBytes(folder / L"veluragd.bin.tmp", std::string_view("half")));
  SetFileAttributesW((folder / L"veluragd.bin.tmp").c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(Save(kNew));
  EXPECT_EQ(OnDisk(), kNew);
}

TEST_F(WriteReplacing, AFileThatCannotBeReplacedStaysWholeAndTheFailureIsTold) {
  {
    // Another process holds the file open without letting it be deleted or renamed over.
    const HANDLE held = CreateFileW((folder / L"veluragd.bin").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(Save(kNew));
    CloseHandle(held);
  }
  EXPECT_EQ(OnDisk(), kOld);
  EXPECT_FALSE(Exists(L"veluragd.bin.tmp"));
}

TEST_F(WriteReplacing, AMissingFolderFailsWithoutCreatingAnything) {
  EXPECT_FALSE(files.WriteReplacing(folder.U16(L"absent\\velura_c_rec.bin"), kNew));
  EXPECT_FALSE(Exists(L"absent"));
}

}  // namespace
}  // namespace velura::testing
