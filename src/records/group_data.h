// The one-time install's groups: a tree of named groups, each holding paths of font files and folders whose
// fonts are registered for the session while the group is switched on. One store object holds the tree for
// the whole run; the group file (group_file.h) keeps it between runs.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "records/file_data.h"

namespace velura {

// A font file or folder of a group. Path and GroupName are kept as the 8-bit ANSI bytes they are stored
// in, so a file written back holds exactly the bytes it was read with.
class TNameItem {
 public:
  std::string Path;
  bool IsDir = false;
  // Run-time only: true once the path's fonts were loaded and registered.
  bool Loaded = false;
  // The records of the fonts loaded from this path; made by the first load (it needs the engine's services).
  std::unique_ptr<TFileData_OneTimeInst> FontList;
};

class TGroupItem {
 public:
  TGroupItem() = default;
  TGroupItem(const TGroupItem&) = delete;
  TGroupItem& operator=(const TGroupItem&) = delete;

  std::vector<std::unique_ptr<TGroupItem>> GroupChildItem;
  std::vector<std::unique_ptr<TNameItem>> PathCollection;
  std::string GroupName;
  // Stored and kept as read; the program neither sets nor uses them.
  bool UseParent = false;
  bool NowOneTimeInst = false;

  TGroupItem* Parent() const { return parent_; }
  TGroupItem& AddChild();
  TNameItem& AddPath(std::string path, bool isDir);

  // Run-time only; setting it sets the loaded flag of this group's own paths (not of the child groups').
  bool Registered() const { return registered_; }
  void SetRegistered(bool registered);

 private:
  friend class TGroupRootClass;
  TGroupItem* parent_ = nullptr;
  bool registered_ = false;
};

// Undoes the registrations of one path's font list (the progress window's loop on Windows).
using FontListRelease = std::function<void(TFileData_OneTimeInst&)>;

class TGroupRootClass {
 public:
  explicit TGroupRootClass(FontListRelease release = {}) : release_(std::move(release)) {}
  ~TGroupRootClass();
  TGroupRootClass(const TGroupRootClass&) = delete;
  TGroupRootClass& operator=(const TGroupRootClass&) = delete;

  std::vector<std::unique_ptr<TGroupItem>> GroupItem;

  void SetRelease(FontListRelease release) { release_ = std::move(release); }
  // Called after every edit below that changes what the group file holds, so it can be saved at once.
  void SetChanged(std::function<void()> changed) { changed_ = std::move(changed); }

  // Appended to the top level (parent null) or to the parent's child groups.
  TGroupItem& AddGroup(TGroupItem* parent, std::string name = {});
  void RenameGroup(TGroupItem& group, std::string name);
  TNameItem& AddPath(TGroupItem& group, std::string path, bool isDir);
  // Frees the group and its descendants, releasing the registrations of all their paths first.
  void DeleteGroup(TGroupItem& group);
  // Moves a group to the end of the parent's children (null: of the top level); refused when the parent is
  // the group itself or one of its descendants.
  bool MoveGroup(TGroupItem& group, TGroupItem* newParent);
  // Takes a path out of its group after releasing its registrations, so that a group's registrations are
  // always those of its entries. A removal Windows refuses is not lost: the engine's counter keeps the
  // registration, unheld, and tries it again (FontRegistrations::LetGo, ReleaseUnheld).
  std::unique_ptr<TNameItem> RemovePath(TGroupItem& group, const TNameItem& path);

  // Releases the registrations of one path's fonts; nothing when it holds none.
  void ReleasePath(TNameItem& path);
  // Releases every path of every group (program end); the groups stay.
  void ReleaseEverything();

  // Every group in tree order (a group, then its descendants).
  std::vector<TGroupItem*> AllGroups() const;
  int GroupCount() const { return static_cast<int>(AllGroups().size()); }
  // The first group in tree order with this name.
  TGroupItem* FindGroup(const std::string& name) const;

  // Restores the parent links after the tree was built directly (reading the file).
  void LinkParents();

 private:
  std::vector<std::unique_ptr<TGroupItem>>& CollectionOf(TGroupItem* parent);
  void ReleaseGroup(TGroupItem& group);
  void Changed() const;
  FontListRelease release_;
  std::function<void()> changed_;
};

// True when `ancestor` is `group` or one of its ancestors.
bool IsSameOrAncestor(const TGroupItem& ancestor, const TGroupItem& group);

// The group's descendants, depth first (each child before the child's own children).
std::vector<TGroupItem*> Descendants(const TGroupItem& group);

}  // namespace velura
