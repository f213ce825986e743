// The look of a file node in the file trees, by the record's class.
#include <gtest/gtest.h>

#include "ui/browsers/file_node_look.h"

namespace velura {
namespace {

TTreeStyle DistinctStyle() {
  TTreeStyle style;
  style.DefColor = 0x000001;
  style.RegFontColor = 0x000002;
  style.Font1Color = 0x000003;
  style.Font2Color = 0x000004;
  style.RegFontItalic = false;
  style.Font1Italic = true;
  style.Font2Italic = false;
  return style;
}

TEST(FileNodeLook, EachClassOfRecordTakesItsOwnColourAndItalicSwitch) {
  const TTreeStyle style = DistinctStyle();
  TFileDataItem plain;
  EXPECT_EQ(LookOfFileNode(plain, style).color, style.DefColor);
  EXPECT_FALSE(LookOfFileNode(plain, style).italic);

  TFileDataItem variant;  // full name differs from the family, no plain family file in the list
  variant.UseFullName = true;
  EXPECT_EQ(LookOfFileNode(variant, style).color, style.Font1Color);
  EXPECT_TRUE(LookOfFileNode(variant, style).italic);

  TFileDataItem member = variant;  // the family's plain file is in the list too
  member.FamilyMember = true;
  EXPECT_EQ(LookOfFileNode(member, style).color, style.Font2Color);
  EXPECT_FALSE(LookOfFileNode(member, style).italic);

  for (TFileFlag system : {Protected, SystemFont}) {
    TFileDataItem registered = member;
    registered.Set(system);
    EXPECT_EQ(LookOfFileNode(registered, style).color, style.RegFontColor);
    EXPECT_FALSE(LookOfFileNode(registered, style).italic);
  }
}

TEST(FileNodeLook, ItalicSwitchesFollowTheirOwnClassOnly) {
  TTreeStyle style = DistinctStyle();
  style.Font1Italic = false;
  style.Font2Italic = true;
  style.RegFontItalic = true;
  TFileDataItem member;
  member.UseFullName = member.FamilyMember = true;
  EXPECT_TRUE(LookOfFileNode(member, style).italic);
  member.FamilyMember = false;
  EXPECT_FALSE(LookOfFileNode(member, style).italic);
  member.Set(Protected);
  EXPECT_TRUE(LookOfFileNode(member, style).italic);
}

}  // namespace
}  // namespace velura
