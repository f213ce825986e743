#include "ui/browsers/sample_texts.h"

#include <algorithm>

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

}  // namespace velura
