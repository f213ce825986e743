// The names a list shows for a face: the face's language nearest the top of the user's priority table.
#pragma once
#include <algorithm>
#include <iterator>
#include <string>

#include "fontfile/face_record.h"
#include "fontfile/language_names.h"

namespace velura {

// The display part of a face's entry in a file record.
struct TDisplayNames {
  std::u16string DisplayFullName;
  std::u16string DisplayFamilyName;
  bool SystemNamed = false;  // the names were replaced by the name Windows reports for the file
};

// Sets the display names of one face; a face none of whose languages is in the table keeps its names.
void ChooseDisplayNames(const TTFontFileData& face, const TLanguagePriorityTable& priority, TDisplayNames& display);

// Every face of a file record: faces[n] goes with entries[n]; Entry derives from TDisplayNames.
template <class Entries>
void ChooseDisplayNames(const TFontFileData& faces, Entries& entries, const TLanguagePriorityTable& priority) {
  const std::size_t count = std::min(faces.size(), std::size(entries));
  for (std::size_t n = 0; n < count; ++n)
    ChooseDisplayNames(faces[n], priority, static_cast<TDisplayNames&>(entries[n]));
}

}  // namespace velura
