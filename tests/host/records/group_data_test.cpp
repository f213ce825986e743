// The group tree's operations: moves that would lose a subtree are refused, deletion releases what it
// frees, the registered flag reaches a group's own paths only.
#include "records/group_data.h"

#include <gtest/gtest.h>

#include <vector>

#include "record_world.h"

namespace velura {
namespace {

TEST(GroupTree, MovingAGroupIntoItselfOrADescendantIsRefused) {
  TGroupRootClass root;
  TGroupItem& a = root.AddGroup(nullptr);
  TGroupItem& child = a.AddChild();
  TGroupItem& grandchild = child.AddChild();
  EXPECT_FALSE(root.MoveGroup(a, &a));
  EXPECT_FALSE(root.MoveGroup(a, &grandchild));
  EXPECT_EQ(root.GroupCount(), 3);

  TGroupItem& b = root.AddGroup(nullptr);
  EXPECT_TRUE(root.MoveGroup(child, &b));
  EXPECT_EQ(child.Parent(), &b);
  EXPECT_TRUE(a.GroupChildItem.empty());
  EXPECT_EQ(grandchild.Parent(), &child);
  EXPECT_TRUE(root.MoveGroup(child, nullptr));
  EXPECT_EQ(root.GroupItem.back().get(), &child);
  EXPECT_EQ(child.Parent(), nullptr);
}

TEST(GroupTree, RegisteredFlagSetsOnlyTheGroupsOwnPaths) {
  TGroupRootClass root;
  TGroupItem& a = root.AddGroup(nullptr);
  TNameItem& own = a.AddPath("x.ttf", false);
  TNameItem& childPath = a.AddChild().AddPath("y.ttf", false);
  a.SetRegistered(true);
  EXPECT_TRUE(own.Loaded);
  EXPECT_FALSE(childPath.Loaded);
  a.SetRegistered(false);
  EXPECT_FALSE(own.Loaded);
}

TEST(GroupTree, RemovingAPathOrDeletingAGroupReleasesTheirFontLists) {
  testing::RecordWorld world;
  std::vector<const TFileData_OneTimeInst*> released;
  TGroupRootClass root([&](TFileData_OneTimeInst& list) {
    released.push_back(&list);
    list.Clear();
  });
  auto withFonts = [&](TNameItem& path) {
    path.FontList = std::make_unique<TFileData_OneTimeInst>(*world.services);
    path.FontList->Items.push_back(std::make_unique<TFileDataItem>());
    return path.FontList.get();
  };
  TGroupItem& a = root.AddGroup(nullptr);
  TNameItem& removed = a.AddPath("gone.ttf", false);
  TFileData_OneTimeInst* removedFonts = withFonts(removed);
  const std::unique_ptr<TNameItem> removedOwner = root.RemovePath(a, removed);
  ASSERT_EQ(removedOwner.get(), &removed);
  EXPECT_EQ(released, (std::vector<const TFileData_OneTimeInst*>{removedFonts}));
  EXPECT_EQ(removedFonts->Count(), 0);
  released.clear();
  const TFileData_OneTimeInst* own = withFonts(a.AddPath("own.ttf", false));
  const TFileData_OneTimeInst* nested = withFonts(a.AddChild().AddChild().AddPath("deep", true));
  a.AddPath("empty", true);  // no font list: nothing to release
  TGroupItem& other = root.AddGroup(nullptr);
  withFonts(other.AddPath("other.ttf", false));

  root.DeleteGroup(a);
  EXPECT_EQ(released, (std::vector<const TFileData_OneTimeInst*>{own, nested}));
  ASSERT_EQ(root.GroupItem.size(), 1u);
  EXPECT_EQ(root.GroupItem[0].get(), &other);
}

TEST(GroupTree, FindGroupTakesTheFirstInTreeOrder) {
  TGroupRootClass root;
  TGroupItem& a = root.AddGroup(nullptr);
  TGroupItem& nested = a.AddChild();
  nested.GroupName = "special";
  root.AddGroup(nullptr).GroupName = "special";
  EXPECT_EQ(root.FindGroup("special"), &nested);
  EXPECT_EQ(root.FindGroup("none"), nullptr);
}

}  // namespace
}  // namespace velura
