#include "ui/fontviews/file_tree_view_win.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "platform/wide_win.h"
#include "ui/fontviews/file_order.h"
#include "ui/fontviews/file_ticks.h"
#include "ui/fontviews/state_image_slots.h"
#include "ui/framework/error_report_win.h"
#include "ui/framework/tree_view_win.h"

namespace velura {

namespace {

int ReducedComparison(int compareStringResult) { return compareStringResult == 0 ? 0 : compareStringResult - 2; }

// What the comparison reads of a node, taken once per node before the sort: asking the tree view for
// texts and states inside every comparison made sorting thousands of files take seconds.
struct SortKey {
  std::wstring text;
  FileNodeFacts facts;
};

struct SortContext {
  std::unordered_map<LPARAM, SortKey> keys;
};

int CALLBACK CompareNodes(LPARAM a, LPARAM b, LPARAM context) {
  try {
    const auto& keys = reinterpret_cast<SortContext*>(context)->keys;
    const SortKey& keyA = keys.at(a);
    const SortKey& keyB = keys.at(b);
    const wchar_t* textA = keyA.text.c_str();
    const wchar_t* textB = keyB.text.c_str();
    const int text = ReducedComparison(CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, textA, -1, textB, -1));
    const int caseSensitive = ReducedComparison(CompareStringW(LOCALE_USER_DEFAULT, 0, textA, -1, textB, -1));
    return CompareFileNodes(keyA.facts, keyB.facts, text, caseSensitive);
  } catch (...) {
    ui::ReportCurrentException();
    return 0;
  }
}

}  // namespace

FileTree::Node TreeViewFileTree::AddNode(Node parent, const std::u16string& text, TFileDataItem* record,
                                         int stateImage) {
  entries_.push_back({record, nullptr, stateImage, text});
  Entry& entry = entries_.back();
  entry.item = ui::InsertTreeItem(tree_, AsWide(text),
                                  {.parent = parent ? Item(parent) : TVI_ROOT,
                                   .data = reinterpret_cast<LPARAM>(&entry),
                                   .stateImage = std::max(0, TreeStateSlot(stateImage))});
  if (!entry.item) return &entry;  // not in the control, so not in its shape either
  auto* under = const_cast<Entry*>(static_cast<const Entry*>(parent));
  entry.parent = under;
  Entry*& first = under ? under->firstChild : firstTop_;
  Entry*& last = under ? under->lastChild : lastTop_;
  (last ? last->next : first) = &entry;
  last = &entry;
  return &entry;
}

FileTree::Node TreeViewFileTree::NodeOfItem(HTREEITEM item) const {
  return reinterpret_cast<const void*>(ui::TreeItemData(tree_, item));
}

FileTree::Node TreeViewFileTree::First() const { return firstTop_; }
FileTree::Node TreeViewFileTree::Parent(Node node) const {
  return node ? static_cast<const Entry*>(node)->parent : nullptr;
}
FileTree::Node TreeViewFileTree::FirstChild(Node node) const {
  return node ? static_cast<const Entry*>(node)->firstChild : nullptr;
}
FileTree::Node TreeViewFileTree::NextSibling(Node node) const {
  return node ? static_cast<const Entry*>(node)->next : nullptr;
}
TFileDataItem* TreeViewFileTree::Record(Node node) const {
  return node ? static_cast<const Entry*>(node)->record : nullptr;
}

// The control's state pictures are set only by AddNode and SetStateImage, so the entry knows the picture:
// asking the control costs a walk over all its items under Wine (each message looks the item up), which
// made refreshing and sorting thousands of files grow with the square of their number.
int TreeViewFileTree::StateImage(Node node) const {
  if (!node) return -1;
  return static_cast<const Entry*>(node)->stateImage;
}

void TreeViewFileTree::SetStateImage(Node node, int image) {
  if (!node) return;
  // Nodes point into entries_, which this tree owns.
  auto* entry = const_cast<Entry*>(static_cast<const Entry*>(node));
  const int slot = std::max(0, TreeStateSlot(image));
  const bool shown = entry->item && std::max(0, TreeStateSlot(entry->stateImage)) == slot;
  entry->stateImage = image;
  if (!shown) ui::SetTreeItemStateImage(tree_, entry->item, slot);
}

void TreeViewFileTree::Clear() {
  ui::ClearTreeItems(tree_);
  entries_.clear();
  firstTop_ = lastTop_ = nullptr;
}

int TreeViewFileTree::Count() const { return ui::TreeItemCount(tree_); }

std::wstring TreeViewFileTree::Text(Node node) const { return ui::TreeItemText(tree_, Item(node)); }

int TreeViewFileTree::Level(Node node) const {
  int level = 0;
  for (Node parent = Parent(node); parent; parent = Parent(parent)) ++level;
  return level;
}

std::vector<std::pair<int, std::u16string>> TreeViewFileTree::LevelsAndTexts() const {
  std::vector<std::pair<int, std::u16string>> nodes;
  ForEachNode(*this, First(), [&](Node node) { nodes.emplace_back(Level(node), ToU16(Text(node))); });
  return nodes;
}

FileTree::Node TreeViewFileTree::Selected() const { return NodeOfItem(ui::TreeSelection(tree_)); }

void TreeViewFileTree::Select(Node node) { ui::SelectTreeItem(tree_, Item(node)); }

void TreeViewFileTree::ExpandAll() {
  std::vector<Node> stack;
  for (Node node = First(); node; node = NextSibling(node)) stack.push_back(node);
  while (!stack.empty()) {
    const Node node = stack.back();
    stack.pop_back();
    const Node first = FirstChild(node);
    if (!first) continue;  // nothing to expand: most file nodes hold no face nodes
    ui::ExpandTreeItem(tree_, Item(node));
    for (Node child = first; child; child = NextSibling(child)) stack.push_back(child);
  }
}

void TreeViewFileTree::SortFiles() {
  for (Entry* top = firstTop_; top; top = top->next) {
    SortContext context;
    std::vector<Entry*> children;
    for (Entry* child = top->firstChild; child; child = child->next) {
      SortKey& key = context.keys[reinterpret_cast<LPARAM>(child)];
      key.text = ToWide(child->text);
      key.facts.record = child->record;
      key.facts.stateImage = StateImage(child);
      key.facts.parentHasRecord = top->record != nullptr;
      children.push_back(child);
    }
    // Sorted here, then the control takes the order by rank: one order for both, whatever the control's
    // sorting does with nodes that compare equal.
    std::stable_sort(children.begin(), children.end(), [&](Entry* a, Entry* b) {
      return CompareNodes(reinterpret_cast<LPARAM>(a), reinterpret_cast<LPARAM>(b),
                          reinterpret_cast<LPARAM>(&context)) < 0;
    });
    std::unordered_map<LPARAM, std::size_t> rank;
    for (std::size_t n = 0; n < children.size(); ++n) rank[reinterpret_cast<LPARAM>(children[n])] = n;
    TVSORTCB sort{};
    sort.hParent = top->item;
    sort.lpfnCompare = [](LPARAM a, LPARAM b, LPARAM ranks) -> int {
      const auto& order = *reinterpret_cast<const std::unordered_map<LPARAM, std::size_t>*>(ranks);
      const std::size_t ra = order.at(a), rb = order.at(b);
      return ra < rb ? -1 : ra > rb ? 1 : 0;
    };
    sort.lParam = reinterpret_cast<LPARAM>(&rank);
    SendMessageW(tree_, TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
    top->firstChild = children.empty() ? nullptr : children.front();
    top->lastChild = children.empty() ? nullptr : children.back();
    for (std::size_t n = 0; n < children.size(); ++n)
      children[n]->next = n + 1 < children.size() ? children[n + 1] : nullptr;
  }
}

}  // namespace velura
