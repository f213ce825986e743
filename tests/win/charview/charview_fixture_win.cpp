#include "charview_fixture_win.h"

#include <commctrl.h>

namespace velura::testing {

BrowserFixture* CharviewTest::browser_ = nullptr;

void CharviewTest::SetUpTestSuite() {
  if (browser_) return;
  browser_ = new BrowserFixture(L"velura_charview");
  browser_->LoadInstalled();
}

void CharviewTest::TearDownTestSuite() {
  delete browser_;
  browser_ = nullptr;
}

void CharviewTest::SetUp() {
  browser_->recorder.messages.clear();
  for (int n = 0; n < 10; ++n) browser_->settings.WriteUserItem(n, -1, u"");
}

void CharviewTest::Click(const ui::Control& button) {
  SendMessageW(GetParent(button.hwnd), WM_COMMAND, MAKEWPARAM(button.id, BN_CLICKED),
               reinterpret_cast<LPARAM>(button.hwnd));
}

std::wstring CharviewTest::StatusText(HWND statusBar, int part) {
  std::wstring text(static_cast<std::size_t>(LOWORD(SendMessageW(statusBar, SB_GETTEXTLENGTHW, part, 0))), L'\0');
  SendMessageW(statusBar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
  return text;
}

bool CharviewTest::SelectNode(TreeViewFileTree& tree, const std::wstring& text) {
  std::function<FileTree::Node(FileTree::Node)> find = [&](FileTree::Node node) -> FileTree::Node {
    for (; node; node = tree.NextSibling(node)) {
      if (tree.Text(node) == text) return node;
      if (FileTree::Node inner = find(tree.FirstChild(node))) return inner;
    }
    return nullptr;
  };
  const FileTree::Node node = find(tree.First());
  if (!node) return false;
  tree.Select(node);
  return true;
}

}  // namespace velura::testing
