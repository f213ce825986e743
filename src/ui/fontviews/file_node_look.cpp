#include "ui/fontviews/file_node_look.h"

namespace velura {

FileNodeLook LookOfFileNode(const TFileDataItem& record, const TTreeStyle& style) {
  if (record.Has(Protected) || record.Has(SystemFont)) return {style.RegFontColor, style.RegFontItalic};
  if (!record.UseFullName) return {style.DefColor, false};
  return record.FamilyMember ? FileNodeLook{style.Font2Color, style.Font2Italic}
                             : FileNodeLook{style.Font1Color, style.Font1Italic};
}

std::optional<std::uint32_t> FoundBackground(const TFileDataItem& record, std::size_t face, bool selected) {
  if (face >= record.DisplayNames.size() || !record.DisplayNames[face].Found) return std::nullopt;
  return selected ? 0x00FF0000u : 0x0000FFFFu;
}

}  // namespace velura
