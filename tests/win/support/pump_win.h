// Lets the windows a test drives finish what they were doing before the test looks at them.
#pragma once

namespace velura::testing {

// Dispatches every pending message, then once more after a short wait for late paints. A WM_QUIT is left
// in the queue for whoever posted it.
void PumpUntilIdle();

}  // namespace velura::testing
