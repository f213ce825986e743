#include "ui/longop/printer_access_win.h"

#include <commdlg.h>
#include <winspool.h>

#include <string>

#include "ui/longop/print_render_win.h"

namespace velura {

namespace {

// Deletes the printer DC after the surface drawn on it has let go of it (bases die in reverse order).
struct PrinterDcOwner {
  explicit PrinterDcOwner(HDC dc) : dc(dc) {}
  ~PrinterDcOwner() { DeleteDC(dc); }
  PrinterDcOwner(const PrinterDcOwner&) = delete;
  PrinterDcOwner& operator=(const PrinterDcOwner&) = delete;
  HDC dc;
};

class PrinterPage : private PrinterDcOwner, public GdiPrintSurface {
 public:
  explicit PrinterPage(HDC dc) : PrinterDcOwner(dc), GdiPrintSurface(dc) {}
};

std::wstring DefaultPrinterName() {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  if (size == 0) return {};
  std::wstring name(size, L'\0');
  if (!GetDefaultPrinterW(name.data(), &size)) return {};
  name.resize(wcslen(name.c_str()));
  return name;
}

class SystemPrinterAccess final : public PrinterAccess {
 public:
  ~SystemPrinterAccess() override {
    if (devMode_) GlobalFree(devMode_);
    if (devNames_) GlobalFree(devNames_);
  }

  bool Available() override { return devNames_ != nullptr || !DefaultPrinterName().empty(); }

  bool Setup(HWND owner) override {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.hDevMode = devMode_;
    dialog.hDevNames = devNames_;
    dialog.Flags = PD_PRINTSETUP;
    const bool chosen = PrintDlgW(&dialog) != FALSE;
    // The dialog may have replaced the handles it was given, also when cancelled.
    devMode_ = dialog.hDevMode;
    devNames_ = dialog.hDevNames;
    return chosen;
  }

  std::unique_ptr<PrintSurface> Open() override {
    HDC dc = nullptr;
    if (devNames_) {
      const auto* names = static_cast<const DEVNAMES*>(GlobalLock(devNames_));
      const auto* mode = devMode_ ? static_cast<const DEVMODEW*>(GlobalLock(devMode_)) : nullptr;
      if (names) {
        const auto* base = reinterpret_cast<const wchar_t*>(names);
        dc = CreateDCW(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode);
      }
      if (mode) GlobalUnlock(devMode_);
      GlobalUnlock(devNames_);
    } else {
      const std::wstring name = DefaultPrinterName();
      if (!name.empty()) dc = CreateDCW(L"WINSPOOL", name.c_str(), nullptr, nullptr);
    }
    if (!dc) return nullptr;
    return std::make_unique<PrinterPage>(dc);
  }

 private:
  HGLOBAL devMode_ = nullptr;
  HGLOBAL devNames_ = nullptr;
};

}  // namespace

PrinterAccess& SystemPrinter() {
  static SystemPrinterAccess printer;
  return printer;
}

}  // namespace velura
