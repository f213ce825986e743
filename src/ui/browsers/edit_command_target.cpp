#include "ui/browsers/edit_command_target.h"

#include <cstddef>

namespace velura {

namespace {

bool SameAsciiNoCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool StartsAsciiNoCase(std::u16string_view text, std::u16string_view prefix) {
  return text.size() >= prefix.size() && SameAsciiNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

FocusKind FocusKindOf(std::u16string_view windowClass, bool isFileTree) {
  if (isFileTree) return FocusKind::FileTree;
  // Class names are case-insensitive: "Edit", "RichEdit20W", "RICHEDIT50W".
  if (SameAsciiNoCase(windowClass, u"Edit") || StartsAsciiNoCase(windowClass, u"RichEdit")) return FocusKind::Text;
  return FocusKind::Other;
}

EditTarget CopyTarget(FocusKind focus) {
  switch (focus) {
    case FocusKind::Text: return EditTarget::FocusedText;
    case FocusKind::FileTree: return EditTarget::TreeNodeText;
    case FocusKind::Other: break;
  }
  return EditTarget::Copyright;
}

EditTarget SelectAllTarget(FocusKind focus) {
  switch (focus) {
    case FocusKind::Text: return EditTarget::FocusedText;
    case FocusKind::FileTree: return EditTarget::Nothing;
    case FocusKind::Other: break;
  }
  return EditTarget::Copyright;
}

}  // namespace velura
