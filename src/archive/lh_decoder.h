// The static-Huffman LZSS decoder of LZH methods -lh4- to -lh7- (one decoder: they differ only in how far
// back a match may reach). The window starts filled with blanks, as the encoders assume.
#pragma once
#include <cstdint>
#include <span>

#include "archive/archive_entry.h"
#include "archive/output_sink.h"

namespace velura {

// Decodes exactly size bytes into sink. methodDigit is 4 to 7. crc receives the CRC-16 of the output.
// CorruptData for any table or stream fault, including input that runs out before the output is complete.
MemberIssue DecodeLhStream(std::span<const std::uint8_t> input, int methodDigit, std::uint64_t size,
                           OutputSink& sink, std::uint16_t& crc);

}  // namespace velura
