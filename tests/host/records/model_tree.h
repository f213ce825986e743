// Models of the browsers' file tree and sample list.
#pragma once
#include <algorithm>
#include <list>
#include <string>
#include <vector>

#include "records/file_tree.h"

namespace velura::testing {

class ModelTree final : public FileTree {
 public:
  struct Item {
    const Item* parent;
    std::u16string text;
    TFileDataItem* record;
    int image;
    std::vector<const Item*> children;
  };
  Node AddNode(Node parent, const std::u16string& text, TFileDataItem* record, int image) override {
    items.push_back(Item{static_cast<const Item*>(parent), text, record, image, {}});
    const Item* added = &items.back();
    if (parent) const_cast<Item*>(static_cast<const Item*>(parent))->children.push_back(added);
    else roots.push_back(added);
    return added;
  }
  Node First() const override { return roots.empty() ? nullptr : roots[0]; }
  Node Parent(Node n) const override { return At(n).parent; }
  Node FirstChild(Node n) const override { return At(n).children.empty() ? nullptr : At(n).children[0]; }
  Node NextSibling(Node n) const override {
    const auto& siblings = At(n).parent ? At(n).parent->children : roots;
    for (std::size_t i = 0; i + 1 < siblings.size(); ++i)
      if (siblings[i] == n) return siblings[i + 1];
    return nullptr;
  }
  TFileDataItem* Record(Node n) const override { return At(n).record; }
  int StateImage(Node n) const override { return At(n).image; }
  void SetStateImage(Node n, int image) override { const_cast<Item&>(At(n)).image = image; }
  static const Item& At(Node n) { return *static_cast<const Item*>(n); }

  std::list<Item> items;
  std::vector<const Item*> roots;
};

class ModelList final : public SampleList {
 public:
  void Clear() override { texts.clear(); }
  int Add(const std::u16string& text, FileTree::Node) override {
    texts.push_back(text);
    return static_cast<int>(texts.size()) - 1;
  }
  void SetAllTexts(const std::u16string& text) override { std::fill(texts.begin(), texts.end(), text); }
  std::vector<std::u16string> texts;
};

}  // namespace velura::testing
