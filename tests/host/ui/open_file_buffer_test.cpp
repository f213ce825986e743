// The open dialog's buffer grows until the chosen files fit.
#include <gtest/gtest.h>

#include <vector>

#include "ui/framework/open_file_buffer.h"

namespace velura::testing {
namespace {

using ui::OpenFileAttempt;

// A dialog whose chosen list needs `needed` characters: too small a buffer gets the needed size in its
// first character, as a 16-bit count, and the dialog is shown again.
struct ChoosingDialog {
  std::size_t needed;
  std::vector<std::size_t> sizesShown;
  OpenFileAttempt operator()(std::u16string& buffer) {
    sizesShown.push_back(buffer.size());
    if (buffer.size() < needed) {
      buffer[0] = static_cast<char16_t>(needed & 0xFFFF);
      return OpenFileAttempt::BufferTooSmall;
    }
    buffer.replace(0, 3, u"C:\\");
    return OpenFileAttempt::Chosen;
  }
};

TEST(OpenFileBuffer, AListLongerThanTheBufferIsOpenedWithALargerOne) {
  ChoosingDialog dialog{70000, {}};  // more than 64 K characters: the 16-bit count wraps to 4464
  const std::u16string chosen = ui::RunOpenFileDialog(std::ref(dialog), 65536);
  EXPECT_EQ(chosen.substr(0, 3), u"C:\\");
  EXPECT_EQ(dialog.sizesShown, (std::vector<std::size_t>{65536, 131072}));

  ChoosingDialog small{40000, {}};
  EXPECT_FALSE(ui::RunOpenFileDialog(std::ref(small), 100).empty());
  EXPECT_EQ(small.sizesShown.back(), 40001u) << "the size the dialog asked for, when it is larger";
}

TEST(OpenFileBuffer, CancelGivesNothingAndGrowthStopsAtItsLimit) {
  EXPECT_TRUE(ui::RunOpenFileDialog([](std::u16string&) { return OpenFileAttempt::Cancelled; }).empty());
  int shown = 0;
  const auto endless = [&](std::u16string& buffer) {
    ++shown;
    buffer[0] = 0;
    return OpenFileAttempt::BufferTooSmall;
  };
  EXPECT_TRUE(ui::RunOpenFileDialog(endless, ui::kMostOpenFileBufferChars / 4).empty());
  EXPECT_EQ(shown, 3);  // a quarter, a half, the whole limit
  EXPECT_EQ(ui::NextOpenFileBufferSize(ui::kMostOpenFileBufferChars, 0), 0u);
}

}  // namespace
}  // namespace velura::testing
