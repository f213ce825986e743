#include "ui/framework/open_file_buffer.h"

#include <algorithm>

namespace velura::ui {

std::size_t NextOpenFileBufferSize(std::size_t current, std::size_t needed) {
  const std::size_t next = std::max(needed + 1, current * 2);
  return next > kMostOpenFileBufferChars ? 0 : next;
}

std::u16string RunOpenFileDialog(const std::function<OpenFileAttempt(std::u16string& buffer)>& attempt,
                                 std::size_t initialChars) {
  std::u16string buffer(std::max<std::size_t>(initialChars, 2), u'\0');
  for (;;) {
    switch (attempt(buffer)) {
      case OpenFileAttempt::Chosen: return buffer;
      case OpenFileAttempt::Cancelled: return {};
      case OpenFileAttempt::BufferTooSmall: break;
    }
    const std::size_t needed = buffer[0];  // the first two bytes: the size the dialog asked for
    const std::size_t next = NextOpenFileBufferSize(buffer.size(), needed);
    if (next == 0) return {};
    buffer.assign(next, u'\0');
  }
}

}  // namespace velura::ui
