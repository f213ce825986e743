// The sample texts of the browsers' sample combo box, and the height of a sample line.
#pragma once
#include <string>
#include <vector>

namespace velura {

// Index 0 shows every face's own name.
std::vector<std::u16string> DefaultSampleTexts();

// The combo box as the sample-text rules see it.
struct SampleTextChoices {
  std::vector<std::u16string> items = DefaultSampleTexts();
  int selected = 0;
};

// The user confirmed the typed text: an empty text selects index 0, a new text is appended and selected.
// True when the sample list must be refilled (a text already offered changes nothing).
bool CommitSampleText(SampleTextChoices& choices, const std::u16string& typed);

// A sample line in device pixels of a window at `dpi`: the face's full name in 12-point type at (2, 4), the
// sample at (24, 25) in the list's point size, the line 2 x that size + 26 high; the positions and the
// height are 96-DPI pixels scaled like the rest of the layout, the type sizes are points.
struct SampleLineLayout {
  int height = 0;
  int nameLeft = 0, nameTop = 0, namePixels = 0;  // namePixels: the character height of the name's type
  int sampleLeft = 0, sampleTop = 0, samplePixels = 0;
};
SampleLineLayout SampleLine(int pointSize, int dpi);
inline int SampleItemHeight(int pointSize, int dpi) { return SampleLine(pointSize, dpi).height; }

}  // namespace velura
