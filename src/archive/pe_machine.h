// The machine a Windows executable image is built for, read from its PE header, so that a library of
// another bitness is refused before it is loaded.
#pragma once
#include <cstdint>
#include <span>

namespace velura {

inline constexpr std::uint16_t kMachineI386 = 0x014C;
inline constexpr std::uint16_t kMachineAmd64 = 0x8664;
inline constexpr std::uint16_t kMachineArm64 = 0xAA64;

// Bytes the PE header must lie within for PeMachine to find it.
inline constexpr std::size_t kPeHeadBytes = 4096;

// The header's machine field, or 0 when the bytes do not begin a PE image ("MZ", then "PE\0\0" where the
// DOS header points, within head).
std::uint16_t PeMachine(std::span<const std::uint8_t> head);

// The machine this program is built for.
constexpr std::uint16_t OwnMachine() {
#if defined(__x86_64__) || defined(_M_X64)
  return kMachineAmd64;
#elif defined(__aarch64__) || defined(_M_ARM64)
  return kMachineArm64;
#elif defined(__i386__) || defined(_M_IX86)
  return kMachineI386;
#else
  return 0;
#endif
}

}  // namespace velura
