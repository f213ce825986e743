#include "ui/framework/error_report_win.h"

#include <exception>
#include <string>

#include "platform/message_box.h"
#include "platform/text.h"
#include "platform/user_error.h"

namespace velura::ui {

void ReportCurrentException() noexcept {
  try {
    try {
      throw;
    } catch (const UserError& error) {
      ShowMessage(error.Message(), error.Caption().empty() ? u"VELURA" : error.Caption(), error.Icon());
    } catch (const std::exception& error) {
      ShowMessage(u"予期しないエラーが発生しました\r\n\r\n" + FromUtf8(error.what()), u"VELURA", MessageIcon::Error);
    } catch (...) {
      ShowMessage(u"予期しないエラーが発生しました", u"VELURA", MessageIcon::Error);
    }
  } catch (...) {
    // Nothing left to tell the user with; the window procedure goes on.
  }
}

}  // namespace velura::ui
