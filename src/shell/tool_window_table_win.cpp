#include "shell/tool_window_table_win.h"

#include "platform/resource_ids.h"
#include "ui/browsers/form_installed_win.h"
#include "ui/browsers/form_local_win.h"
#include "ui/charview/form_symbol_view_win.h"
#include "ui/charview/form_unicode_win.h"
#include "ui/onetime/form_onetime_inst_win.h"
#include "ui/registry/form_reg_data_view_win.h"

namespace velura {
namespace {

constexpr int PictureOf(int actionId) {
  for (const ToolWindowRow& row : kToolWindowRows)
    if (row.button.actionId == actionId) return row.button.picture;
  return kOtherButton.picture;
}
static_assert(PictureOf(Action_ShowOneTimeInstForm) == resources::kPictureOneTimeInstall);
static_assert(PictureOf(Action_ShowLocalForm) == resources::kPictureLocalBrowser);
static_assert(PictureOf(Action_ShowInstalledForm) == resources::kPictureInstalledBrowser);
static_assert(PictureOf(Action_ShowRegForm) == resources::kPictureRegistryViewer);
static_assert(PictureOf(Action_ShowSymbolForm) == resources::kPictureSymbolViewer);
static_assert(PictureOf(Action_ShowUnicodeForm) == resources::kPictureUnicodeViewer);
static_assert(PictureOf(Action_etcBtn) == resources::kPictureOther);

template <class FormT>
std::unique_ptr<ToolWindow> Wrap(std::unique_ptr<FormT> form) {
  return std::make_unique<FormToolWindow<FormT>>(std::move(form));
}

ToolWindowFactory FactoryOf(int actionId) {
  switch (actionId) {
    case Action_ShowOneTimeInstForm:
      return [](const ToolWindowSite& site, const ToolWindowArgs& args) -> std::unique_ptr<ToolWindow> {
        if (!site.groups) return nullptr;
        auto form = std::make_unique<TForm_OneTimeInst>(site.fonts.Engine(), site.settings, *site.groups,
                                                        site.showLauncher);
        if (!args.files.empty())
          form->OpenWithPaths(args.files);
        else if (!args.folder.empty())
          form->OpenWithPaths({args.folder});
        return Wrap(std::move(form));
      };
    case Action_ShowLocalForm:
      return [](const ToolWindowSite& site, const ToolWindowArgs&) {
        auto form = std::make_unique<Tform_local>(site.fonts.Engine(), site.settings, site.showLauncher,
                                                   site.restartElevated);
        form->SendFilesToOneTime = site.openOneTimeWithFiles;
        form->SendFolderToOneTime = site.openOneTimeWithFolder;
        return Wrap(std::move(form));
      };
    case Action_ShowInstalledForm:
      return [](const ToolWindowSite& site, const ToolWindowArgs&) {
        return Wrap(std::make_unique<TForm_Installed>(site.fonts.Engine(), site.settings, site.showLauncher,
                                                      site.restartElevated));
      };
    case Action_ShowRegForm:
      return [](const ToolWindowSite& site, const ToolWindowArgs&) {
        return Wrap(std::make_unique<TForm_RegDataView>(site.fonts.Engine(), site.showLauncher, site.restartElevated));
      };
    case Action_ShowSymbolForm:
      return [](const ToolWindowSite& site, const ToolWindowArgs&) {
        return Wrap(std::make_unique<TForm_SymbolView>(site.fonts.Engine().Installed(), site.browsedFonts,
                                                       site.showLauncher));
      };
    case Action_ShowUnicodeForm:
      return [](const ToolWindowSite& site, const ToolWindowArgs&) {
        return Wrap(std::make_unique<Tform_unicode>(site.fonts.Engine(), site.settings, site.showLauncher,
                                                    site.browsedFonts));
      };
    default:
      return {};  // the window is not built yet
  }
}

}  // namespace

ToolWindowTable StandardToolWindows() {
  ToolWindowTable table;
  for (const ToolWindowRow& row : kToolWindowRows) table.push_back({row, FactoryOf(row.button.actionId)});
  return table;
}

}  // namespace velura
