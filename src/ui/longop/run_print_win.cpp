#include "ui/longop/run_print_win.h"

#include "platform/wide_win.h"

namespace velura {

namespace {

PrintDate Today() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return PrintDate{now.wYear, now.wMonth, now.wDay};
}

// The sort needs a consistent order: should the locale refuse the texts, their code units decide.
int LocaleCompare(std::u16string_view a, std::u16string_view b) {
  const int result = CompareStringW(LOCALE_USER_DEFAULT, 0, AsWide(a).data(), static_cast<int>(a.size()),
                                    AsWide(b).data(), static_cast<int>(b.size()));
  return result == 0 ? a.compare(b) : result - CSTR_EQUAL;
}

}  // namespace

PrintOutcome RunPrint(TForm_StatusBar& status, PrintSurface& surface, const TFileData_base& list,
                      const std::u16string& sampleText, const PrintOptions& options) {
  ProgressScope window(status.Loop(), status, u"サンプル印刷準備中...");
  status.HideCounter();
  return PrintRecordsJob(status.Loop(), status, surface, list.Items,
                         PrintRequest{sampleText, options, Today(), LocaleCompare});
}

}  // namespace velura
