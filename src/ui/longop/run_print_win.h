// RunPrint: the sample catalogue printed as a loop of the status window, which shows only its title
// ("サンプル印刷準備中...") and its bar while the records go to the page.
#pragma once
#include <string>

#include "records/file_data.h"
#include "records/print_job.h"
#include "ui/longop/form_status_bar_win.h"

namespace velura {

// Prints the list's records on the surface, today's date in the headers and names in the user's locale order.
PrintOutcome RunPrint(TForm_StatusBar& status, PrintSurface& surface, const TFileData_base& list,
                      const std::u16string& sampleText, const PrintOptions& options);

}  // namespace velura
