// The CAB reader on arbitrary bytes: no crash, no hang, no unbounded allocation, whatever the archive says.
#include "archive_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return velura::fuzzing::FuzzArchive(velura::OpenCabArchive, data, size);
}
