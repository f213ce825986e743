// The look of a file node in the file trees, by the record's class.
#include <gtest/gtest.h>

#include "ui/fontviews/file_node_look.h"

namespace velura {
namespace {

TEST(FileNodeLook, EachClassOfRecordTakesItsOwnColourAndItalicSwitch) {
  TTreeStyle style;
  style.DefColor = 1, style.RegFontColor = 2, style.Font1Color = 3, style.Font2Color = 4;
  auto look = [&](const TFileDataItem& r) { return std::pair{LookOfFileNode(r, style).color, LookOfFileNode(r, style).italic}; };
  for (bool firstItalic : {false, true}) {
    SCOPED_TRACE(firstItalic);
    style.Font1Italic = firstItalic;
    style.Font2Italic = style.RegFontItalic = !firstItalic;
    TFileDataItem plain;
    EXPECT_EQ(look(plain), std::pair(style.DefColor, false));
    TFileDataItem variant;  // full name differs from the family, no plain file of the family in the list
    variant.UseFullName = true;
    EXPECT_EQ(look(variant), std::pair(style.Font1Color, style.Font1Italic));
    TFileDataItem member = variant;  // the family's plain file is in the list too
    member.FamilyMember = true;
    EXPECT_EQ(look(member), std::pair(style.Font2Color, style.Font2Italic));
    for (TFileFlag system : {Protected, SystemFont}) {
      TFileDataItem registered = member;
      registered.Set(system);
      EXPECT_EQ(look(registered), std::pair(style.RegFontColor, style.RegFontItalic));
    }
  }
}

TEST(FoundBackground, YellowOrBlueUnderTheSelectionOnlyForAMarkedFace) {
  TFileDataItem record;
  record.DisplayNames.resize(2);
  record.DisplayNames[1].Found = true;
  EXPECT_FALSE(FoundBackground(record, 0, true));
  EXPECT_EQ(FoundBackground(record, 1, false), 0x0000FFFFu);  // RGB(255, 255, 0)
  EXPECT_EQ(FoundBackground(record, 1, true), 0x00FF0000u);   // RGB(0, 0, 255)
  EXPECT_FALSE(FoundBackground(record, 2, false)) << "a face the record does not have";
}

}  // namespace
}  // namespace velura
