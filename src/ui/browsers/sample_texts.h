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

// 2 x the list font's point size + 26 pixels.
inline int SampleItemHeight(int pointSize) { return 2 * pointSize + 26; }

}  // namespace velura
