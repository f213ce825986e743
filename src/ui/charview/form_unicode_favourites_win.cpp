// Tform_unicode: favourites in the menus and the block list's pop-up, collecting characters and copying.
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cwchar>

#include "platform/clipboard_win.h"
#include "platform/message_box.h"
#include "platform/wide_win.h"
#include "ui/charview/collected_text.h"
#include "ui/charview/form_go_to_code_point_win.h"
#include "ui/charview/form_uni_user_items_win.h"
#include "ui/charview/form_unicode_win.h"
#include "ui/framework/menu_win.h"

namespace velura {

void Tform_unicode::CreateActions() {
  ui::ActionList& actions = FormActions();
  actions.Add({.id = Action_UserList_Open, .caption = u"管理ダイアログを開く", .execute = [this] {
                 Action_UserList_OpenExecute();
               }});
  actions.Add(
      {.id = Action_UserList_Add, .caption = u"お気に入りに追加", .execute = [this] { Action_UserList_AddExecute(); }});
  actions.Add({.id = N2, .caption = u"メニューウインドウを表示", .execute = [this] {
                 if (showMainWindow_) showMainWindow_();
               }});
  actions.Add({.id = Close1, .caption = u"閉じる", .execute = [this] { PostMessageW(Hwnd(), WM_CLOSE, 0, 0); }});
  actions.Add({.id = tiCopyAll,
               .caption = u"すべてコピー",
               .enabled = [this] { return CopyMenuStateFor(RichEditTextLength(), 0).copyAll; },
               .execute = [this] { tiCopyAllClick(); }});
  actions.Add(
      {.id = tiSelCopy,
       .caption = u"選択文字をコピー",
       .enabled = [this] { return CopyMenuStateFor(RichEditTextLength(), RichEditSelectionLength()).copySelection; },
       .execute = [this] { tiSelCopyClick(); }});
  actions.Add({.id = Action_GoToCodePoint,
               .caption = u"コードポイントへ移動",
               .shortcut = static_cast<std::uint16_t>(ui::kShortcutCtrl | 'G'),
               .execute = [this] { Action_GoToCodePointExecute(); }});
}

void Tform_unicode::CreateMenus() {
  using ui::MenuEntry;
  SetMenuBar(
      ui::BuildMenu(FormActions(),
                    {MenuEntry::Item(N2),
                     MenuEntry::Submenu(u"お気に入り", {MenuEntry::Item(Action_UserList_Open),
                                                        MenuEntry::Item(Action_UserList_Add), MenuEntry::Separator()}),
                     MenuEntry::Item(Action_GoToCodePoint), MenuEntry::Item(Close1)},
                    false));
  SetContextMenu(*ui::ControlOf(ListBox_zel1.Hwnd()),
                 {MenuEntry::Item(Action_UserList_Open), MenuEntry::Item(Action_UserList_Add), MenuEntry::Separator()});
  SetContextMenu(*TntRichEdit1, {MenuEntry::Item(tiCopyAll), MenuEntry::Item(tiSelCopy)});
}

HMENU Tform_unicode::FavouritesMenu() const { return GetSubMenu(GetMenu(Hwnd()), 1); }
HMENU Tform_unicode::PopupMenu_UserItem() const { return ContextMenu(*ui::ControlOf(ListBox_zel1.Hwnd())); }
HMENU Tform_unicode::TntPopupMenu1() const { return ContextMenu(*TntRichEdit1); }

void Tform_unicode::BuildFavouriteItems(HMENU menu) {
  // The items built last time go first.
  for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) {
    const UINT id = GetMenuItemID(menu, i);
    if (id >= kFavouriteCommand && id < kFavouriteCommand + kUserItemCount)
      DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
  }
  favouriteTags_.clear();
  for (const FavouriteMenuItem& item : FavouriteMenuItems(favourites_)) {
    const UINT id = kFavouriteCommand + static_cast<UINT>(favouriteTags_.size());
    AppendMenuW(menu, MF_STRING, id, AsWide(item.caption));
    favouriteTags_.push_back(item.tag);
  }
}

std::vector<FavouriteMenuItem> Tform_unicode::FavouriteItemsOf(HMENU menu) const {
  std::vector<FavouriteMenuItem> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    const UINT id = GetMenuItemID(menu, i);
    if (id < kFavouriteCommand || id >= kFavouriteCommand + kUserItemCount) continue;
    wchar_t text[256] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
    const std::size_t k = id - kFavouriteCommand;
    items.push_back({ToU16(text), k < favouriteTags_.size() ? favouriteTags_[k] : 0});
  }
  return items;
}

LRESULT Tform_unicode::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITMENUPOPUP) {
    const auto menu = reinterpret_cast<HMENU>(wParam);
    if (menu == FavouritesMenu() || menu == PopupMenu_UserItem())
      BuildFavouriteItems(menu);  // N1Click, PopupMenu_UserItemPopup
  }
  if (message == WM_COMMAND && lParam == 0) {
    const int id = LOWORD(wParam);
    if (id >= kFavouriteCommand && id < kFavouriteCommand + kUserItemCount) {
      const std::size_t k = static_cast<std::size_t>(id - kFavouriteCommand);
      if (k < favouriteTags_.size() && IsFavouriteTag(favouriteTags_[k])) {
        const int index = ListIndexOfBlock(BlockOfFavouriteTag(favouriteTags_[k]));
        if (index >= 0) SelectBlock(index);  // a number that is no block ("ERROR") selects nothing
      }
      return 0;
    }
  }
  if (message == WM_DESTROY) WriteFavourites();  // FormDestroy; the launcher stores the place
  return ui::Form::OnMessage(message, wParam, lParam);
}

void Tform_unicode::Action_UserList_AddExecute() {
  const int block = BlockNumberAt(ListBox_zel1.CurrentIndex());
  switch (AddFavourite(favourites_, block)) {
    case AddFavouriteOutcome::Nothing:
    case AddFavouriteOutcome::Added: return;
    case AddFavouriteOutcome::Duplicate:
      ShowMessage(u"すでにお気に入りに登録済みです", u"重複登録", MessageIcon::Information);
      return;
    case AddFavouriteOutcome::Full: break;
  }
  const MessageResult answer = ShowMessage(
      MessageRequest{kFavouritesFullText, u"処理方法を選択", MessageIcon::Information, MessageButtons::YesNoCancel, 0});
  if (answer == MessageResult::Yes) EditFavourites();
  else if (answer == MessageResult::No) ReplaceFirstFavourite(favourites_, block);
}

void Tform_unicode::Action_UserList_OpenExecute() { EditFavourites(); }

void Tform_unicode::Action_GoToCodePointExecute() {
  GoToTarget target;
  if (RunGoToCodePointDialog(Hwnd(), target)) SelectCodePoint(target.listIndex, target.codePoint);
}

bool Tform_unicode::EditFavourites() { return RunFavouritesDialog(Hwnd(), favourites_, currentBlock_); }

void Tform_unicode::TntStringGrid1DblClick() {
  if (currentBlock_ < 0) return;
  const int code = CellCodePoint(ViewerBlock(currentBlock_), TntStringGrid1.Row(), TntStringGrid1.Column());
  if (!CollectsAsCharacter(code)) return;
  const HWND edit = TntRichEdit1->hwnd;
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_FACE;
  wcsncpy(format.szFaceName, SelectedFaceName().c_str(), LF_FACESIZE - 1);
  SendMessageW(edit, EM_SETSEL, 0, 0);
  SendMessageW(edit, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  // Beyond U+FFFF the character goes in as its whole surrogate pair, and the format covers both units.
  const std::u16string text = Utf16Of(static_cast<char32_t>(code));
  SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(AsWide(text)));
  SendMessageW(edit, EM_SETSEL, 0, static_cast<LPARAM>(text.size()));
  SendMessageW(edit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

int Tform_unicode::RichEditTextLength() const {
  GETTEXTLENGTHEX request{GTL_NUMCHARS | GTL_PRECISE, 1200};
  return static_cast<int>(SendMessageW(TntRichEdit1->hwnd, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0));
}

int Tform_unicode::RichEditSelectionLength() const {
  CHARRANGE range{};
  SendMessageW(TntRichEdit1->hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return static_cast<int>(range.cpMax - range.cpMin);
}

void Tform_unicode::CopyRichEdit(bool all) {
  if (RichEditTextLength() == 0) return;
  const HWND edit = TntRichEdit1->hwnd;
  if (all) SendMessageW(edit, EM_SETSEL, 0, -1);
  CHARRANGE range{};
  SendMessageW(edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  std::wstring selected(static_cast<std::size_t>(std::max<LONG>(0, range.cpMax - range.cpMin)), L'\0');
  TEXTRANGEW request{range, selected.data()};
  selected.resize(static_cast<std::size_t>(
      std::max<LRESULT>(0, SendMessageW(edit, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&request)))));
  const std::u16string wellFormed = WellFormedForCopy(ToU16(selected));
  // The rich edit's own copy keeps the fonts; text with half a pair goes on the clipboard as plain text.
  if (wellFormed == ToU16(selected)) {
    SendMessageW(edit, WM_COPY, 0, 0);
    return;
  }
  PutTextOnClipboard(Hwnd(), ToWide(wellFormed));
}

void Tform_unicode::Button_CopyClick() { CopyRichEdit(true); }
void Tform_unicode::tiCopyAllClick() { CopyRichEdit(true); }
void Tform_unicode::tiSelCopyClick() { CopyRichEdit(false); }

}  // namespace velura
