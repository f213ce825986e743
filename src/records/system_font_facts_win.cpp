#include "records/system_font_facts_win.h"

#include <windows.h>

#include "platform/registry_key_win.h"
#include "platform/wide_win.h"

namespace velura {

namespace {

constexpr wchar_t kNtCurrentVersion[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";

// sfc.dll is loaded when first asked; a system without it (or without the export) protects nothing we can tell.
using SfcIsFileProtectedFn = BOOL(WINAPI*)(HANDLE, LPCWSTR);
SfcIsFileProtectedFn SfcFunction() {
  static const SfcIsFileProtectedFn function = [] {
    HMODULE module = LoadLibraryW(L"sfc.dll");
    return module ? reinterpret_cast<SfcIsFileProtectedFn>(
                        reinterpret_cast<void*>(GetProcAddress(module, "SfcIsFileProtected")))
                  : nullptr;
  }();
  return function;
}

}  // namespace

SystemUiFontSources WindowsSystemFontFacts::UiFontSources() {
  SystemUiFontSources sources;
  const std::wstring root = kNtCurrentVersion;
  if (const auto key = RegistryKey::Open(HKEY_LOCAL_MACHINE, root + L"FontSubstitutes", KEY_READ))
    for (const wchar_t* name : {L"MS Shell Dlg", L"MS Shell Dlg 2"})
      if (const auto value = key->Read(name); value && (value->Type == REG_SZ || value->Type == REG_EXPAND_SZ))
        sources.ShellDialogSubstitutes.push_back(ToU16(value->Text));

  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    for (const LOGFONTW* font : {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
                                 &metrics.lfStatusFont, &metrics.lfMessageFont})
      sources.MetricsFaces.push_back(ToU16(font->lfFaceName));

  if (const auto key = RegistryKey::Open(HKEY_LOCAL_MACHINE, root + L"FontLink\\SystemLink", KEY_READ))
    for (const auto& name : key->ValueNames())
      if (const auto value = key->Read(name); value && (value->Type == REG_MULTI_SZ || value->Type == REG_SZ))
        sources.SystemLinkLists.push_back(ToU16(value->Text));
  return sources;
}

bool WindowsSystemFontFacts::IsWindowsProtectedFile(const std::u16string& path) {
  const SfcIsFileProtectedFn function = SfcFunction();
  return function && function(nullptr, AsWide(path));
}

}  // namespace velura
