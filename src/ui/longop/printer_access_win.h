// The printer the catalogue goes to: the system's default printer, or the one chosen in the system's
// print set-up dialog, which the program keeps for the rest of its run.
#pragma once
#include <windows.h>

#include <memory>
#include <string_view>

#include "records/print_job.h"

namespace velura {

class PrinterAccess {
 public:
  virtual ~PrinterAccess() = default;
  // Whether there is a printer to print on or to set up.
  virtual bool Available() = 0;
  // The system print set-up dialog; false when cancelled.
  virtual bool Setup(HWND owner) = 0;
  // The chosen printer's page as a print surface; null when the printer cannot be opened.
  virtual std::unique_ptr<PrintSurface> Open() = 0;
};

PrinterAccess& SystemPrinter();

}  // namespace velura
