// The buffer of a multi-select open dialog: a list of chosen files may be longer than any fixed buffer.
// The dialog then fails, asking for a larger one, and is shown again with it.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

namespace velura::ui {

// Room for a few thousand typical file names at once, so that the dialog rarely has to be shown twice.
inline constexpr std::size_t kOpenFileBufferChars = 256 * 1024;
// A list longer than this is refused rather than grown further.
inline constexpr std::size_t kMostOpenFileBufferChars = 64 * 1024 * 1024;

enum class OpenFileAttempt { Chosen, Cancelled, BufferTooSmall };

// The size to try next after a buffer of `current` characters was too small; `needed` is what the dialog
// left in the buffer's first two bytes, a 16-bit count that wraps for long lists, so the buffer at least
// doubles. 0 when the next size would pass kMostOpenFileBufferChars.
std::size_t NextOpenFileBufferSize(std::size_t current, std::size_t needed);

// Shows the dialog through `attempt` (which fills the buffer it is given) until the user chooses or
// cancels, growing the buffer while it is too small. The buffer as the dialog left it on a choice; empty
// otherwise.
std::u16string RunOpenFileDialog(const std::function<OpenFileAttempt(std::u16string& buffer)>& attempt,
                                 std::size_t initialChars = kOpenFileBufferChars);

}  // namespace velura::ui
