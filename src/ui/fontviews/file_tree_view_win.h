// The records' FileTree over a real tree view. Every node carries a small entry (its record, its item) as
// item data, so that sorting, drawing and the sample lines reach the record and the tree item of any node,
// including nodes without a record.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <deque>
#include <string>

#include "records/file_tree.h"

namespace velura {

class TreeViewFileTree final : public FileTree {
 public:
  // The tree's shape is kept here too, in the control's order: under Wine every tree view message costs
  // about a tenth of a millisecond, so walking thousands of nodes through the control took seconds.
  struct Entry {
    TFileDataItem* record = nullptr;
    HTREEITEM item = nullptr;
    int stateImage = -1;  // the records' index last set: slot 0 shows both -1 and 0 (no picture)
    std::u16string text;
    Entry* parent = nullptr;
    Entry* firstChild = nullptr;
    Entry* lastChild = nullptr;
    Entry* next = nullptr;
  };

  void Attach(HWND tree) { tree_ = tree; }
  HWND Hwnd() const { return tree_; }

  Node AddNode(Node parent, const std::u16string& text, TFileDataItem* record, int stateImage) override;
  Node First() const override;
  Node Parent(Node node) const override;
  Node FirstChild(Node node) const override;
  Node NextSibling(Node node) const override;
  TFileDataItem* Record(Node node) const override;
  int StateImage(Node node) const override;
  void SetStateImage(Node node, int image) override;

  // Empties the tree view and forgets every entry.
  void Clear();
  int Count() const;
  std::wstring Text(Node node) const;
  int Level(Node node) const;
  // Every node in tree order with its level (0 for a top node) and text: what the list exports take.
  std::vector<std::pair<int, std::u16string>> LevelsAndTexts() const;
  Node Selected() const;
  void Select(Node node);
  static HTREEITEM Item(Node node) { return node ? static_cast<const Entry*>(node)->item : nullptr; }
  Node NodeOfItem(HTREEITEM item) const;
  void ExpandAll();
  // Sorts the file nodes under every top node by CompareFileNodes (face nodes keep their order).
  void SortFiles();

 private:
  HWND tree_ = nullptr;
  std::deque<Entry> entries_;
  Entry* firstTop_ = nullptr;
  Entry* lastTop_ = nullptr;
};

}  // namespace velura
