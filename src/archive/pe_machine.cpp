#include "archive/pe_machine.h"

#include "archive/byte_view.h"

namespace velura {

std::uint16_t PeMachine(std::span<const std::uint8_t> head) {
  ByteView view(head);
  if (!view.Matches(0, "MZ")) return 0;
  const std::uint32_t header = view.U32(0x3C);
  if (view.Failed() || !view.Matches(header, std::string_view("PE\0\0", 4))) return 0;
  const std::uint16_t machine = view.U16(std::uint64_t{header} + 4);
  return view.Failed() ? 0 : machine;
}

}  // namespace velura
