#include "fontfile/char_coverage.h"

namespace velura {

bool FaceCoverage::Covers(CharSetId id) const {
  return CountOf(id) == CharSetCodePoints(id).size() && !CharSetCodePoints(id).empty();
}

FaceCoverage CoverageOf(const TCharMap&) { return {}; }          // the reader comes next
bool MapsAllOf(const TCharMap&, std::u16string_view) { return false; }  // the reader comes next

}  // namespace velura
