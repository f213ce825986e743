#include "archive/member_names.h"

#include <array>

#include "platform/text.h"

namespace velura {

namespace {

bool IsSeparator(char16_t c) { return c == u'/' || c == u'\\'; }
bool IsControl(char16_t c) { return c < 0x20 || c == 0x7F; }
bool IsForbidden(char16_t c) {
  return c == u'<' || c == u'>' || c == u':' || c == u'"' || c == u'|' || c == u'?' || c == u'*';
}
bool IsBidiControl(char16_t c) {
  return c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}
bool IsAsciiLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

bool IsDeviceName(std::u16string_view name) {
  // The stem before the first dot, without trailing blanks: "con.ttf" and "NUL .txt" name devices too.
  std::u16string stem = NameComparisonKey(name.substr(0, name.find(u'.')));
  while (!stem.empty() && stem.back() == u' ') stem.pop_back();
  static const std::array<std::u16string_view, 6> kPlain = {u"CON", u"PRN", u"AUX", u"NUL", u"CONIN$", u"CONOUT$"};
  for (auto device : kPlain)
    if (stem == device) return true;
  if (stem.size() == 4 && (stem.starts_with(u"COM") || stem.starts_with(u"LPT"))) {
    const char16_t digit = stem[3];
    return (digit >= u'0' && digit <= u'9') || digit == 0x00B9 || digit == 0x00B2 || digit == 0x00B3;
  }
  return false;
}

bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Cuts text to at most max units without splitting a surrogate pair.
void CutTo(std::u16string& text, std::size_t max) {
  if (text.size() <= max) return;
  if (max > 0 && IsLowSurrogate(text[max])) --max;
  text.resize(max);
}

// "stem" + suffix + ".ext", the stem shortened so that the whole fits in 255 units.
std::u16string WithSuffix(std::u16string_view name, std::u16string_view suffix) {
  const auto dot = name.rfind(u'.');
  const bool keepExtension = dot != std::u16string_view::npos && dot > 0 && name.size() - dot <= 16;
  std::u16string stem(keepExtension ? name.substr(0, dot) : name);
  const std::u16string_view extension = keepExtension ? name.substr(dot) : std::u16string_view();
  CutTo(stem, kMaxFileNameUnits - suffix.size() - extension.size());
  return stem + std::u16string(suffix) + std::u16string(extension);
}

}  // namespace

FlatName FlattenMemberName(std::u16string_view decodedName) {
  FlatName out;
  out.issue = MemberIssue::UnsafeName;
  for (char16_t c : decodedName)
    if (IsControl(c)) return out;  // NUL, escapes: a name that hides part of itself
  std::size_t start = decodedName.size();
  while (start > 0 && !IsSeparator(decodedName[start - 1])) --start;
  std::u16string name(decodedName.substr(start));
  if (name.size() >= 2 && IsAsciiLetter(name[0]) && name[1] == u':') return out;
  for (auto& c : name)
    if (IsForbidden(c) || IsBidiControl(c)) c = u'_';
  while (!name.empty() && (name.back() == u'.' || name.back() == u' ')) name.pop_back();
  if (name.empty() || IsDeviceName(name)) return out;
  if (name.size() > kMaxFileNameUnits) name = WithSuffix(name, u"");
  out.name = std::move(name);
  out.issue = MemberIssue::None;
  return out;
}

std::u16string NameComparisonKey(std::u16string_view name) {
  std::u16string key(name);
  for (auto& c : key) {
    const bool shiftsBy32 = (c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) ||
                            (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) || (c >= 0x430 && c <= 0x44F) ||
                            (c >= 0xFF41 && c <= 0xFF5A);
    if (shiftsBy32) c = static_cast<char16_t>(c - 0x20);
    else if (c >= 0x450 && c <= 0x45F) c = static_cast<char16_t>(c - 0x50);  // Cyrillic ѐ-џ
  }
  return key;
}

std::u16string UniqueNames::Claim(std::u16string_view name) {
  std::u16string chosen(name);
  for (std::int64_t n = 2; Taken(chosen); ++n) chosen = WithSuffix(name, u" (" + DecimalU16(n) + u")");
  taken_.insert(NameComparisonKey(chosen));
  return chosen;
}

}  // namespace velura
