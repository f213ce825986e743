// The face-record cache reader on arbitrary bytes, given a valid checksum so that the fuzzer reaches the
// records: it must neither crash nor allocate more than the file holds; whatever it accepts must write out
// and read back to the same records.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "records/face_record_cache.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velura;
  std::vector<std::uint8_t> bytes(data, data + size);
  const auto crc = static_cast<std::uint32_t>(crc32(0, bytes.data(), static_cast<uInt>(bytes.size())));
  const auto* c = reinterpret_cast<const std::uint8_t*>(&crc);
  bytes.insert(bytes.end(), c, c + 4);
  FaceRecordCache cache(1);
  if (!cache.Parse(bytes)) return 0;
  const std::vector<std::uint8_t> written = cache.Serialize();
  FaceRecordCache again(1);
  if (!again.Parse(written) || again.Size() != cache.Size() || again.KeptKeys() != cache.KeptKeys()) std::abort();
  return 0;
}
