// Shows the exception being handled to the user; for the catch blocks at every entry from user32.
#pragma once

namespace velura::ui {

// A UserError shows its own text, caption and icon; anything else a generic error with its description.
// Never throws.
void ReportCurrentException() noexcept;

}  // namespace velura::ui
