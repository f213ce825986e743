// Which control the browsers' copy and select-all act on.
#include <gtest/gtest.h>

#include "ui/browsers/edit_command_target.h"

namespace velura::testing {
namespace {

TEST(EditCommandTarget, TextControlsOfAnyClassSpellingAreText) {
  EXPECT_EQ(FocusKindOf(u"Edit", false), FocusKind::Text);
  EXPECT_EQ(FocusKindOf(u"EDIT", false), FocusKind::Text);
  EXPECT_EQ(FocusKindOf(u"RichEdit20W", false), FocusKind::Text);
  EXPECT_EQ(FocusKindOf(u"RICHEDIT50W", false), FocusKind::Text);
  EXPECT_EQ(FocusKindOf(u"ListBox", false), FocusKind::Other);
  EXPECT_EQ(FocusKindOf(u"Edi", false), FocusKind::Other);
  EXPECT_EQ(FocusKindOf(u"", false), FocusKind::Other);
  EXPECT_EQ(FocusKindOf(u"SysTreeView32", true), FocusKind::FileTree);
  EXPECT_EQ(FocusKindOf(u"SysTreeView32", false), FocusKind::Other);
}

TEST(EditCommandTarget, CopyTakesTheFocusedControlAndOtherwiseTheCopyright) {
  EXPECT_EQ(CopyTarget(FocusKind::Text), EditTarget::FocusedText);
  EXPECT_EQ(CopyTarget(FocusKind::FileTree), EditTarget::TreeNodeText);
  EXPECT_EQ(CopyTarget(FocusKind::Other), EditTarget::Copyright);
}

TEST(EditCommandTarget, SelectAllLeavesTheTreeAlone) {
  EXPECT_EQ(SelectAllTarget(FocusKind::Text), EditTarget::FocusedText);
  EXPECT_EQ(SelectAllTarget(FocusKind::FileTree), EditTarget::Nothing);
  EXPECT_EQ(SelectAllTarget(FocusKind::Other), EditTarget::Copyright);
}

}  // namespace
}  // namespace velura::testing
