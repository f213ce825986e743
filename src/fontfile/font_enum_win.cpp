#include "fontfile/font_enum_win.h"

#include <cwchar>

namespace velura {

namespace {

constexpr std::size_t kMaxLogFonts = 65535;

// The screen's device context for the length of one enumeration.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() { ReleaseDC(nullptr, dc_); }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  operator HDC() const { return dc_; }

 private:
  HDC dc_;
};

int CALLBACK CollectLogFont(const LOGFONTW* logFont, const TEXTMETRICW*, DWORD, LPARAM context) {
  auto& list = *reinterpret_cast<TLogFontArrayW*>(context);
  if (list.size() < kMaxLogFonts) list.push_back(*logFont);
  return 1;
}

int CALLBACK CollectFamilyName(const LOGFONTW* logFont, const TEXTMETRICW*, DWORD, LPARAM context) {
  reinterpret_cast<std::vector<std::wstring>*>(context)->emplace_back(logFont->lfFaceName);
  return 1;
}

}  // namespace

void EnumerateLogFonts(const std::wstring& faceName, TLogFontArrayW& list) {
  LOGFONTW filter{};
  filter.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(filter.lfFaceName, faceName.c_str(), LF_FACESIZE - 1);
  list.clear();
  ScreenDc dc;
  EnumFontFamiliesExW(dc, &filter, CollectLogFont, reinterpret_cast<LPARAM>(&list), 0);
}

bool FindLogFont(const std::wstring& faceName, LOGFONTW& record) {
  TLogFontArrayW list;
  EnumerateLogFonts(faceName, list);
  for (const LOGFONTW& logFont : list) {
    if (faceName == logFont.lfFaceName) {
      record = logFont;
      return true;
    }
  }
  return false;
}

bool IsFontFamilyKnown(const std::wstring& faceName) {
  LOGFONTW record;
  return FindLogFont(faceName, record);
}

void EnumerateFamilyNames(std::vector<std::wstring>& list) {
  list.clear();
  ScreenDc dc;
  EnumFontFamiliesW(dc, nullptr, reinterpret_cast<FONTENUMPROCW>(CollectFamilyName), reinterpret_cast<LPARAM>(&list));
}

}  // namespace velura
