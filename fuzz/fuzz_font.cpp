// The font file reader on arbitrary bytes: it must neither crash, hang, read out of bounds nor allocate
// without bound, whatever the file holds.
#include <cstddef>
#include <cstdint>

#include "fontfile/display_names.h"
#include "fontfile/font_data_table.h"
#include "fontfile/vocabulary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velura;
  static const IdentityAnsiCodec ansi;
  static TFontDataTable reader(ansi);
  static const TLanguagePriorityTable priority = [] {
    TLanguagePriorityTable table;
    FillDefaultLanguageOrder(table);
    return table;
  }();

  MemorySource source({data, size});
  TFontFileData faces;
  if (!reader.LoadFontData(source, faces)) return 0;
  for (const auto& face : faces) {
    TDisplayNames display;
    ChooseDisplayNames(face, priority, display);
    (void)CodePageNames(face.CodePageRange1, face.CodePageRange2);
  }
  TFontDataTable::FreeFaceData(faces);
  return 0;
}
