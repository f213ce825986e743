#include "records/group_data.h"

#include <algorithm>

namespace velura {

TGroupItem& TGroupItem::AddChild() {
  auto child = std::make_unique<TGroupItem>();
  child->parent_ = this;
  GroupChildItem.push_back(std::move(child));
  return *GroupChildItem.back();
}

TNameItem& TGroupItem::AddPath(std::string path, bool isDir) {
  auto item = std::make_unique<TNameItem>();
  item->Path = std::move(path);
  item->IsDir = isDir;
  PathCollection.push_back(std::move(item));
  return *PathCollection.back();
}

void TGroupItem::SetRegistered(bool registered) {
  registered_ = registered;
  for (auto& path : PathCollection) path->Loaded = registered;
}

TGroupRootClass::~TGroupRootClass() {
  // Last to first, as the tree is freed at program end.
  while (!GroupItem.empty()) {
    ReleaseGroup(*GroupItem.back());
    GroupItem.pop_back();
  }
}

std::vector<std::unique_ptr<TGroupItem>>& TGroupRootClass::CollectionOf(TGroupItem* parent) {
  return parent ? parent->GroupChildItem : GroupItem;
}

void TGroupRootClass::Changed() const {
  if (changed_) changed_();
}

TGroupItem& TGroupRootClass::AddGroup(TGroupItem* parent, std::string name) {
  TGroupItem* group = parent ? &parent->AddChild() : GroupItem.emplace_back(std::make_unique<TGroupItem>()).get();
  group->GroupName = std::move(name);
  Changed();
  return *group;
}

void TGroupRootClass::RenameGroup(TGroupItem& group, std::string name) {
  group.GroupName = std::move(name);
  Changed();
}

TNameItem& TGroupRootClass::AddPath(TGroupItem& group, std::string path, bool isDir) {
  TNameItem& entry = group.AddPath(std::move(path), isDir);
  Changed();
  return entry;
}

void TGroupRootClass::ReleaseGroup(TGroupItem& group) {
  for (auto& path : group.PathCollection) ReleasePath(*path);
  for (auto& child : group.GroupChildItem) ReleaseGroup(*child);
}

void TGroupRootClass::ReleasePath(TNameItem& path) {
  if (path.FontList && path.FontList->Count() > 0 && release_) release_(*path.FontList);
}

void TGroupRootClass::ReleaseEverything() {
  for (auto& group : GroupItem) ReleaseGroup(*group);
}

void TGroupRootClass::DeleteGroup(TGroupItem& group) {
  ReleaseGroup(group);
  auto& owner = CollectionOf(group.parent_);
  std::erase_if(owner, [&](const std::unique_ptr<TGroupItem>& g) { return g.get() == &group; });
  Changed();
}

bool TGroupRootClass::MoveGroup(TGroupItem& group, TGroupItem* newParent) {
  if (newParent && IsSameOrAncestor(group, *newParent)) return false;
  auto& owner = CollectionOf(group.parent_);
  auto it = std::find_if(owner.begin(), owner.end(), [&](const auto& g) { return g.get() == &group; });
  if (it == owner.end()) return false;
  std::unique_ptr<TGroupItem> moving = std::move(*it);
  owner.erase(it);
  moving->parent_ = newParent;
  CollectionOf(newParent).push_back(std::move(moving));
  Changed();
  return true;
}

std::unique_ptr<TNameItem> TGroupRootClass::RemovePath(TGroupItem& group, const TNameItem& path) {
  auto& paths = group.PathCollection;
  auto it = std::find_if(paths.begin(), paths.end(), [&](const auto& p) { return p.get() == &path; });
  if (it == paths.end()) return nullptr;
  ReleasePath(**it);
  std::unique_ptr<TNameItem> removed = std::move(*it);
  paths.erase(it);
  Changed();
  return removed;
}

namespace {

void CollectInOrder(const std::vector<std::unique_ptr<TGroupItem>>& groups, std::vector<TGroupItem*>& out) {
  for (const auto& group : groups) {
    out.push_back(group.get());
    CollectInOrder(group->GroupChildItem, out);
  }
}

void LinkChildren(TGroupItem* parent, std::vector<std::unique_ptr<TGroupItem>>& groups,
                  void (*set)(TGroupItem&, TGroupItem*)) {
  for (auto& group : groups) {
    set(*group, parent);
    LinkChildren(group.get(), group->GroupChildItem, set);
  }
}

}  // namespace

std::vector<TGroupItem*> TGroupRootClass::AllGroups() const {
  std::vector<TGroupItem*> out;
  CollectInOrder(GroupItem, out);
  return out;
}

TGroupItem* TGroupRootClass::FindGroup(const std::string& name) const {
  for (TGroupItem* group : AllGroups())
    if (group->GroupName == name) return group;
  return nullptr;
}

void TGroupRootClass::LinkParents() {
  LinkChildren(nullptr, GroupItem, [](TGroupItem& group, TGroupItem* parent) { group.parent_ = parent; });
}

bool IsSameOrAncestor(const TGroupItem& ancestor, const TGroupItem& group) {
  for (const TGroupItem* g = &group; g; g = g->Parent())
    if (g == &ancestor) return true;
  return false;
}

std::vector<TGroupItem*> Descendants(const TGroupItem& group) {
  std::vector<TGroupItem*> out;
  CollectInOrder(group.GroupChildItem, out);
  return out;
}

}  // namespace velura
