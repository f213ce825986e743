#include "ui/fontviews/file_order.h"

#include "records/record_rules.h"

namespace velura {

int SortGroup(const TFileDataItem& record) {
  int group = 0;
  if (record.Has(Installed)) group = 30;
  if (record.Has(OtherVersionInstalled)) group = 20;
  if (record.Has(RegisteredOnly)) group = 40;
  const std::uint16_t charset = record.DisplayNames.empty() ? 0 : record.DisplayNames[0].Charset;
  if (charset == 2) group += 5;
  if (charset == 128) group -= 5;
  return group;
}

int CompareFileNodes(const FileNodeFacts& a, const FileNodeFacts& b, int textResult, int caseSensitiveText) {
  auto hidden = [](const FileNodeFacts& n) { return !n.record && n.stateImage == kUndisplayableImage; };
  if ((!a.record || !b.record) && !hidden(a) && !hidden(b)) return textResult;
  if (hidden(a) && hidden(b)) return textResult;

  // File nodes (top level, or under a node without a record) go by name; face children of one file keep
  // their face order.
  int result = 0;
  if (!a.parentHasRecord || !b.parentHasRecord) result = caseSensitiveText < 0 ? -1 : caseSensitiveText > 0 ? 1 : 0;
  const int groupA = hidden(a) ? 999 : SortGroup(*a.record);
  const int groupB = hidden(b) ? 999 : SortGroup(*b.record);
  return result + (groupA > groupB ? 100 : groupA < groupB ? -100 : 0);
}

}  // namespace velura
