// The last-write time of an open file descriptor in 100-ns units; 0 when it cannot be had.
#pragma once
#include <cstdint>

namespace velura {

std::int64_t LastWriteTimeOf(int descriptor);

}  // namespace velura
