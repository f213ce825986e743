#include "archive/lh_decoder.h"

#include <array>
#include <vector>

#include "archive/checksums.h"

namespace velura {

namespace {

constexpr int kMaxCodeLength = 16;
constexpr int kLiteralAndLengthCount = 510;  // 256 literals + match lengths 3..256
constexpr int kLengthCodeCount = 19;         // alphabet of the code-length code
constexpr int kMinMatch = 3;
constexpr std::size_t kWindowSize = 1 << 16; // large enough for every method: -lh6- streams labelled -lh7-
constexpr std::size_t kFlushSize = 1 << 16;  // and the reverse both decode

// MSB-first bits. Past the end it yields zeros, and Overrun() tells when any of those were consumed.
class BitReader {
 public:
  explicit BitReader(std::span<const std::uint8_t> input) : input_(input) { Refill(); }

  std::uint32_t Peek16() const { return static_cast<std::uint32_t>(bits_ >> 48); }
  void Skip(int n) {
    bits_ <<= n;
    available_ -= n;
    consumed_ += static_cast<std::uint64_t>(n);
    Refill();
  }
  std::uint32_t Get(int n) {
    if (n == 0) return 0;
    const auto value = static_cast<std::uint32_t>(bits_ >> (64 - n));
    Skip(n);
    return value;
  }
  bool Overrun() const { return consumed_ > std::uint64_t{input_.size()} * 8; }

 private:
  void Refill() {
    while (available_ <= 56) {
      const std::uint64_t byte = next_ < input_.size() ? input_[next_] : 0;
      ++next_;
      bits_ |= byte << (56 - available_);
      available_ += 8;
    }
  }

  std::span<const std::uint8_t> input_;
  std::size_t next_ = 0;
  std::uint64_t bits_ = 0;
  int available_ = 0;
  std::uint64_t consumed_ = 0;
};

// A canonical Huffman code (shorter codes first, then by symbol), as the encoders build them. Only
// complete codes are accepted; the one-symbol form takes no bits.
class HuffmanCode {
 public:
  void SetSingle(int symbol) {
    single_ = true;
    singleSymbol_ = symbol;
  }

  bool Build(const std::uint8_t* lengths, int count) {
    single_ = false;
    counts_.fill(0);
    for (int s = 0; s < count; ++s) ++counts_[lengths[s]];
    counts_[0] = 0;
    std::array<int, kMaxCodeLength + 2> offsets{};
    int left = 1;
    for (int length = 1; length <= kMaxCodeLength; ++length) {
      left = left * 2 - counts_[length];
      if (left < 0) return false;  // over-subscribed
      offsets[length + 1] = offsets[length] + counts_[length];
    }
    empty_ = offsets[kMaxCodeLength + 1] == 0;
    if (left != 0 && !empty_) return false;  // incomplete
    symbols_.assign(static_cast<std::size_t>(offsets[kMaxCodeLength + 1]), 0);
    for (int s = 0; s < count; ++s)
      if (lengths[s] != 0) symbols_[static_cast<std::size_t>(offsets[lengths[s]]++)] = static_cast<std::uint16_t>(s);
    return true;
  }

  // The next symbol, or -1 when the code has no symbols.
  int Decode(BitReader& bits) const {
    if (single_) return singleSymbol_;
    if (empty_) return -1;
    const std::uint32_t peek = bits.Peek16();
    int code = 0, first = 0, index = 0;
    for (int length = 1; length <= kMaxCodeLength; ++length) {
      code |= static_cast<int>((peek >> (kMaxCodeLength - length)) & 1);
      const int count = counts_[length];
      if (code - first < count) {
        bits.Skip(length);
        return symbols_[static_cast<std::size_t>(index + code - first)];
      }
      index += count;
      first = (first + count) << 1;
      code <<= 1;
    }
    return -1;  // unreachable for a complete code
  }

 private:
  std::array<int, kMaxCodeLength + 1> counts_{};
  std::vector<std::uint16_t> symbols_;
  bool single_ = false;
  bool empty_ = true;
  int singleSymbol_ = 0;
};

class LhDecoder {
 public:
  LhDecoder(std::span<const std::uint8_t> input, int methodDigit, OutputSink& sink)
      : bits_(input), sink_(sink), window_(kWindowSize, ' ') {
    positionCount_ = methodDigit >= 6 ? 17 : 14;
    positionCountBits_ = methodDigit >= 6 ? 5 : 4;
    pending_.reserve(kFlushSize);
  }

  MemberIssue Run(std::uint64_t size, std::uint16_t& crc) {
    std::uint64_t produced = 0;
    while (produced < size) {
      if (blockRemaining_ == 0 && !ReadBlockHeader()) return MemberIssue::CorruptData;
      --blockRemaining_;
      const int symbol = literals_.Decode(bits_);
      if (symbol < 0) return MemberIssue::CorruptData;
      if (symbol < 256) {
        Put(static_cast<std::uint8_t>(symbol));
        ++produced;
      } else {
        const std::uint64_t length = static_cast<std::uint64_t>(symbol - 256 + kMinMatch);
        const int distance = DecodeDistance();
        if (distance < 0 || length > size - produced) return MemberIssue::CorruptData;
        std::size_t from = (position_ - static_cast<std::size_t>(distance) - 1) & (kWindowSize - 1);
        for (std::uint64_t k = 0; k < length; ++k) {
          Put(window_[from]);
          from = (from + 1) & (kWindowSize - 1);
        }
        produced += length;
      }
      if (bits_.Overrun()) return MemberIssue::CorruptData;
      if (pending_.size() >= kFlushSize && !Flush()) return MemberIssue::WriteFailed;
    }
    if (!Flush()) return MemberIssue::WriteFailed;
    crc = crc_;
    return MemberIssue::None;
  }

 private:
  void Put(std::uint8_t byte) {
    window_[position_] = byte;
    position_ = (position_ + 1) & (kWindowSize - 1);
    pending_.push_back(byte);
  }

  bool Flush() {
    crc_ = Crc16(pending_, crc_);
    const bool ok = pending_.empty() || sink_.Write(pending_);
    pending_.clear();
    return ok;
  }

  bool ReadBlockHeader() {
    blockRemaining_ = bits_.Get(16);
    return blockRemaining_ != 0 && ReadShortCode(lengthCode_, kLengthCodeCount, 5, 3) && ReadLiteralCode() &&
           ReadShortCode(distanceCode_, positionCount_, positionCountBits_, -1) && !bits_.Overrun();
  }

  // The code-length code and the distance code: lengths 0-6 in three bits, longer ones in unary after 111.
  bool ReadShortCode(HuffmanCode& code, int alphabet, int countBits, int zeroRunAfter) {
    const int n = static_cast<int>(bits_.Get(countBits));
    if (n == 0) {
      const int symbol = static_cast<int>(bits_.Get(countBits));
      if (symbol >= alphabet) return false;
      code.SetSingle(symbol);
      return true;
    }
    if (n > alphabet) return false;
    std::array<std::uint8_t, 32> lengths{};
    int i = 0;
    while (i < n) {
      int length = static_cast<int>(bits_.Get(3));
      if (length == 7) {
        while (bits_.Get(1) == 1)
          if (++length > kMaxCodeLength) return false;
      }
      lengths[static_cast<std::size_t>(i++)] = static_cast<std::uint8_t>(length);
      if (i == zeroRunAfter) {
        for (int zeros = static_cast<int>(bits_.Get(2)); zeros > 0; --zeros) {
          if (i >= alphabet) return false;
          lengths[static_cast<std::size_t>(i++)] = 0;
        }
      }
      if (bits_.Overrun()) return false;
    }
    return code.Build(lengths.data(), alphabet);
  }

  // The literal/length code, its lengths coded with the code-length code; symbols 0-2 are runs of zeros.
  bool ReadLiteralCode() {
    const int n = static_cast<int>(bits_.Get(9));
    if (n == 0) {
      const int symbol = static_cast<int>(bits_.Get(9));
      if (symbol >= kLiteralAndLengthCount) return false;
      literals_.SetSingle(symbol);
      return true;
    }
    if (n > kLiteralAndLengthCount) return false;
    std::array<std::uint8_t, kLiteralAndLengthCount> lengths{};
    int i = 0;
    while (i < n) {
      const int c = lengthCode_.Decode(bits_);
      if (c < 0 || bits_.Overrun()) return false;
      if (c <= 2) {
        const int zeros = c == 0   ? 1
                          : c == 1 ? static_cast<int>(bits_.Get(4)) + 3
                                   : static_cast<int>(bits_.Get(9)) + 20;
        if (zeros > kLiteralAndLengthCount - i) return false;  // a run must not write past the table
        i += zeros;
      } else {
        lengths[static_cast<std::size_t>(i++)] = static_cast<std::uint8_t>(c - 2);
      }
    }
    return literals_.Build(lengths.data(), kLiteralAndLengthCount);
  }

  int DecodeDistance() {
    const int slot = distanceCode_.Decode(bits_);
    if (slot <= 1) return slot;
    return (1 << (slot - 1)) + static_cast<int>(bits_.Get(slot - 1));
  }

  BitReader bits_;
  OutputSink& sink_;
  std::vector<std::uint8_t> window_;
  std::vector<std::uint8_t> pending_;
  std::size_t position_ = 0;
  std::uint32_t blockRemaining_ = 0;
  int positionCount_;
  int positionCountBits_;
  HuffmanCode lengthCode_, literals_, distanceCode_;
  std::uint16_t crc_ = 0;
};

}  // namespace

MemberIssue DecodeLhStream(std::span<const std::uint8_t> input, int methodDigit, std::uint64_t size,
                           OutputSink& sink, std::uint16_t& crc) {
  crc = 0;
  if (methodDigit < 4 || methodDigit > 7) return MemberIssue::UnsupportedMethod;
  LhDecoder decoder(input, methodDigit, sink);
  return decoder.Run(size, crc);
}

}  // namespace velura
