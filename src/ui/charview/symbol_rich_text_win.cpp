#include "ui/charview/symbol_rich_text_win.h"

#include <richedit.h>

#include "platform/wide_win.h"
#include "ui/charview/symbol_print.h"

namespace velura {

namespace {

CHARFORMAT2W FormatOf(const SymbolSampleLine& line) {
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_COLOR;
  format.dwEffects = (line.bold ? CFE_BOLD : 0) | (line.italic ? CFE_ITALIC : 0) | (line.underline ? CFE_UNDERLINE : 0);
  format.crTextColor = static_cast<COLORREF>(line.colour);
  if (!line.face.empty()) {
    format.dwMask |= CFM_FACE | CFM_SIZE | CFM_CHARSET;
    // A face name longer than LOGFONT holds cannot be a font: it is cut, and the rich edit falls back.
    lstrcpynW(format.szFaceName, AsWide(line.face), LF_FACESIZE);
    format.yHeight = line.points * 20;
    // The default set: asking for the symbol set would put a symbol font in place of any other family.
    format.bCharSet = DEFAULT_CHARSET;
  }
  return format;
}

void Select(HWND richEdit, LONG start, LONG end) {
  CHARRANGE range{start, end};
  SendMessageW(richEdit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

LONG TextLength(HWND richEdit) {
  GETTEXTLENGTHEX request{GTL_NUMCHARS | GTL_PRECISE, 1200};
  return static_cast<LONG>(SendMessageW(richEdit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0));
}

// Some rich edits draw a tab with the glyph its font gives U+0009, which a symbol font leaves as an empty
// box; the tabs between the symbols take the plain face at the same size, which spaces them the same.
void KeepTabsInPlainFace(HWND richEdit, LONG lineStart, const SymbolSampleLine& line) {
  SymbolSampleLine tab = line;
  tab.face = std::u16string(kSymbolPlainFace);
  CHARFORMAT2W format = FormatOf(tab);
  for (std::size_t i = 0; i < line.text.size(); ++i) {
    if (line.text[i] != u'\t') continue;
    Select(richEdit, lineStart + static_cast<LONG>(i), lineStart + static_cast<LONG>(i) + 1);
    SendMessageW(richEdit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  }
}

}  // namespace

void WriteSymbolSample(HWND richEdit, const std::vector<SymbolSampleLine>& lines) {
  SendMessageW(richEdit, WM_SETREDRAW, FALSE, 0);
  SetWindowTextW(richEdit, L"");
  // The text left behind keeps the format of the last run; the sample starts from the edit's own font.
  CHARFORMAT2W plain{};
  plain.cbSize = sizeof plain;
  SendMessageW(richEdit, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&plain));
  plain.dwMask |= CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_COLOR | CFM_BACKCOLOR;
  plain.dwEffects &= ~(CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_AUTOCOLOR);
  plain.dwEffects |= CFE_AUTOBACKCOLOR;  // a cleared flag would paint every run on black
  plain.crTextColor = 0;
  SendMessageW(richEdit, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&plain));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const LONG end = TextLength(richEdit);
    Select(richEdit, end, end);
    const std::wstring text = (i == 0 ? L"" : L"\r") + std::wstring(AsWide(lines[i].text));
    SendMessageW(richEdit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    const LONG start = end + (i == 0 ? 0 : 1);
    Select(richEdit, start, start + static_cast<LONG>(lines[i].text.size()));
    CHARFORMAT2W format = FormatOf(lines[i]);
    SendMessageW(richEdit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    if (lines[i].inChosenFont) KeepTabsInPlainFace(richEdit, start, lines[i]);
  }
  Select(richEdit, 0, 0);
  SendMessageW(richEdit, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(richEdit, nullptr, TRUE);
}

PageDevice PageDeviceOf(HDC dc) {
  return {GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES), GetDeviceCaps(dc, LOGPIXELSX),
          GetDeviceCaps(dc, LOGPIXELSY)};
}

int RenderRichEditPages(HWND richEdit, HDC dc, const PageDevice& device, const std::function<bool()>& beginPage,
                        const std::function<bool(int page)>& endPage) {
  const TwipsRect page = PageTwips(device.widthPixels, device.heightPixels, device.dpiX, device.dpiY);
  if (page == TwipsRect{}) return -1;
  const LONG length = TextLength(richEdit);
  FORMATRANGE range{};
  range.hdc = dc;
  range.hdcTarget = dc;
  range.rcPage = {page.left, page.top, page.right, page.bottom};
  range.chrg = {0, -1};
  int pages = 0;
  LONG start = 0;
  for (;;) {
    range.rc = range.rcPage;
    range.chrg.cpMin = start;
    if (!beginPage()) {
      pages = -1;
      break;
    }
    const LONG next = static_cast<LONG>(SendMessageW(richEdit, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
    ++pages;
    if (!endPage(pages)) {
      pages = -1;
      break;
    }
    const PageStep step = AfterPage(start, next, length);
    if (step == PageStep::Stuck) pages = -1;
    if (step != PageStep::NextPage) break;
    start = next;
  }
  SendMessageW(richEdit, EM_FORMATRANGE, FALSE, 0);  // frees the rich edit's cached layout for dc
  return pages;
}

bool PrintRichEdit(HWND richEdit, HDC printer, const std::wstring& title) {
  DOCINFOW document{};
  document.cbSize = sizeof document;
  document.lpszDocName = title.c_str();
  if (StartDocW(printer, &document) <= 0) return false;
  const int pages = RenderRichEditPages(
      richEdit, printer, PageDeviceOf(printer), [&] { return StartPage(printer) > 0; },
      [&](int) { return EndPage(printer) > 0; });
  if (pages < 0) {
    AbortDoc(printer);
    return false;
  }
  return EndDoc(printer) > 0;
}

}  // namespace velura
