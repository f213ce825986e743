#include "ui/fontviews/sample_texts.h"

#include <algorithm>

#include "ui/framework/dock_layout.h"

namespace velura {

std::vector<std::u16string> DefaultSampleTexts() {
  return {u"デフォルト（フォント名）",
          u"0123456789",
          u"ABCDEFGHIJKLMNOPQRSTUVWXYZ",
          u"abcdefghijklmnopqrstuvwxyz",
          u"~!@#$%&*()_+-={}|[]\\:;<>?/",
          u"フォントインストーラー VELURA ver2",
          u"（任意の文字を入力して Enter で確定します）"};
}

bool CommitSampleText(SampleTextChoices& choices, const std::u16string& typed) {
  if (typed.empty()) {
    choices.selected = 0;
    return true;
  }
  if (std::find(choices.items.begin(), choices.items.end(), typed) != choices.items.end()) return false;
  choices.items.push_back(typed);
  choices.selected = static_cast<int>(choices.items.size()) - 1;
  return true;
}

SampleLineLayout SampleLine(int pointSize, int dpi) {
  using ui::dock::Scale;
  SampleLineLayout line;
  line.height = Scale(2 * pointSize + 26, dpi);
  line.nameLeft = Scale(2, dpi);
  line.nameTop = Scale(4, dpi);
  line.namePixels = (12 * dpi + 36) / 72;  // 12 points, rounded as MulDiv rounds
  line.sampleLeft = Scale(24, dpi);
  line.sampleTop = Scale(25, dpi);
  line.samplePixels = pointSize * dpi / 72;
  return line;
}

}  // namespace velura
