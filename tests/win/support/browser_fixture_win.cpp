#include "support/browser_fixture_win.h"

#include <memory>

#include "records/long_operations.h"
#include "settings/ini_profile_win.h"

namespace velura::testing {

BrowserFixture::BrowserFixture(const std::wstring& folderName)
    : folder(folderName),
      settings(std::make_unique<PrivateProfileFile>(folder.U16(L"velura_wd.ini"))),
      fonts(settings) {}

void BrowserFixture::LoadInstalled() {
  TProcedureClass& engine = Engine();
  LoadInstalledFromRegistry(engine.Loop(), engine.Installed(), engine.RegData(), engine.FontsFolder, nullptr,
                            &progress);
}

}  // namespace velura::testing
