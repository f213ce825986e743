// The group file reader on arbitrary bytes: it must neither crash, recurse without bound nor allocate more
// than the file holds; whatever it reads must write out and read back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "records/group_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velura;
  TGroupRootClass root;
  ReadGroupFile({data, size}, root);
  const std::vector<std::uint8_t> written = WriteGroupFile(root);
  TGroupRootClass again;
  if (!ReadGroupFile(written, again).complete || WriteGroupFile(again) != written) std::abort();
  return 0;
}
