// Builds small ZIP, CAB and LZH archives byte by byte, so tests (and the fuzz seed writer) control every
// name byte, flag, size and checksum. Header-only: the seed writer links no test code.
#pragma once
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <zlib.h>

namespace velura::archive_testing {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
inline void Put64(Bytes& out, std::uint64_t v) {
  Put32(out, static_cast<std::uint32_t>(v));
  Put32(out, static_cast<std::uint32_t>(v >> 32));
}
inline void PutText(Bytes& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }
inline void PutBytes(Bytes& out, const Bytes& bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); }

inline std::uint32_t ZlibCrc32(const Bytes& data) {
  return static_cast<std::uint32_t>(crc32(0, data.data(), static_cast<uInt>(data.size())));
}

// Raw deflate, optionally primed with a dictionary (MSZIP blocks).
inline Bytes RawDeflate(const Bytes& data, const Bytes& dictionary = {}) {
  z_stream z{};
  deflateInit2(&z, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  if (!dictionary.empty()) deflateSetDictionary(&z, dictionary.data(), static_cast<uInt>(dictionary.size()));
  Bytes out(deflateBound(&z, static_cast<uLong>(data.size())) + 16);
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

// Deterministic bytes with repeats in them, so that compressors find matches near and far.
inline Bytes Payload(std::size_t size, std::uint32_t seed) {
  Bytes out;
  out.reserve(size);
  std::uint32_t x = seed * 2654435761u + 1;
  while (out.size() < size) {
    x = x * 1103515245u + 12345u;
    if ((x >> 28) < 5 && out.size() > 64) {  // copy an earlier run
      const std::size_t back = 1 + (x >> 8) % std::min<std::size_t>(out.size(), 40000);
      const std::size_t length = 3 + (x >> 4) % 40;
      for (std::size_t k = 0; k < length && out.size() < size; ++k) out.push_back(out[out.size() - back]);
    } else {
      out.push_back(static_cast<std::uint8_t>(x >> 16));
    }
  }
  return out;
}

// ---- ZIP ----

struct ZipMember {
  ZipMember(std::string name_, Bytes data_, std::uint16_t method_ = 8)
      : name(std::move(name_)), data(std::move(data_)), method(method_) {}
  std::string name;  // raw name bytes
  Bytes data;
  std::uint16_t method = 8;       // 0 stored, 8 deflate, anything else written as stored bytes
  std::uint16_t flags = 0;
  std::uint16_t madeBy = 20;      // host 0 (MS-DOS)
  std::uint32_t external = 0;
  Bytes extra;                    // central and local extra fields
  std::optional<std::uint32_t> crc, packedSize, size;  // lies in both headers
  std::optional<std::string> localName;
  std::optional<std::uint32_t> localOffset;             // lie in the central record
};

struct ZipOptions {
  std::string prefix;             // bytes before the archive (a self-extractor stub)
  std::string comment;
  std::optional<std::uint16_t> entryCount;
};

inline Bytes UnicodePathExtra(const std::string& rawName, const std::string& utf8Name, bool matchingCrc = true) {
  Bytes field;
  Put16(field, 0x7075);
  Put16(field, static_cast<std::uint32_t>(5 + utf8Name.size()));
  field.push_back(1);
  Put32(field, ZlibCrc32(Bytes(rawName.begin(), rawName.end())) ^ (matchingCrc ? 0u : 1u));
  PutText(field, utf8Name);
  return field;
}

inline Bytes BuildZip(const std::vector<ZipMember>& members, const ZipOptions& options = {}) {
  Bytes out(options.prefix.begin(), options.prefix.end());
  const std::size_t base = out.size();
  Bytes central;
  for (const ZipMember& m : members) {
    const Bytes stored = m.method == 8 ? RawDeflate(m.data) : m.data;
    const std::uint32_t crc = m.crc.value_or(ZlibCrc32(m.data));
    const std::uint32_t packed = m.packedSize.value_or(static_cast<std::uint32_t>(stored.size()));
    const std::uint32_t size = m.size.value_or(static_cast<std::uint32_t>(m.data.size()));
    const std::uint32_t local = static_cast<std::uint32_t>(out.size() - base);
    const std::string localName = m.localName.value_or(m.name);
    PutText(out, "PK\x03\x04");
    Put16(out, 20), Put16(out, m.flags), Put16(out, m.method), Put32(out, 0);
    Put32(out, crc), Put32(out, packed), Put32(out, size);
    Put16(out, static_cast<std::uint32_t>(localName.size())), Put16(out, static_cast<std::uint32_t>(m.extra.size()));
    PutText(out, localName), PutBytes(out, m.extra), PutBytes(out, stored);

    PutText(central, "PK\x01\x02");
    Put16(central, m.madeBy), Put16(central, 20), Put16(central, m.flags), Put16(central, m.method);
    Put32(central, 0), Put32(central, crc), Put32(central, packed), Put32(central, size);
    Put16(central, static_cast<std::uint32_t>(m.name.size()));
    Put16(central, static_cast<std::uint32_t>(m.extra.size()));
    Put16(central, 0), Put16(central, 0), Put16(central, 0), Put32(central, m.external);
    Put32(central, m.localOffset.value_or(local));
    PutText(central, m.name), PutBytes(central, m.extra);
  }
  const std::uint32_t directoryOffset = static_cast<std::uint32_t>(out.size() - base);
  PutBytes(out, central);
  const std::uint16_t count = options.entryCount.value_or(static_cast<std::uint16_t>(members.size()));
  PutText(out, "PK\x05\x06");
  Put16(out, 0), Put16(out, 0), Put16(out, count), Put16(out, count);
  Put32(out, static_cast<std::uint32_t>(central.size())), Put32(out, directoryOffset);
  Put16(out, static_cast<std::uint32_t>(options.comment.size())), PutText(out, options.comment);
  return out;
}

// ---- CAB ----

struct CabFile {
  CabFile(std::string name_, Bytes data_, std::uint16_t attributes_ = 0x20)
      : name(std::move(name_)), data(std::move(data_)), attributes(attributes_) {}
  std::string name;  // raw name bytes
  Bytes data;
  std::uint16_t attributes = 0x20;
  std::optional<std::uint16_t> folder;
  std::optional<std::uint32_t> size, offset;
};

struct CabOptions {
  std::uint16_t compression = 1;  // 0 none, 1 MSZIP; other values are written uncompressed
  std::uint32_t blockSize = 32768;
  bool checksums = true;
  std::uint16_t headerReserve = 0;
  std::uint8_t folderReserve = 0, dataReserve = 0;
  std::uint16_t extraFlags = 0;   // 1 previous cabinet, 2 next cabinet
  std::optional<std::uint16_t> fileCount, folderCount;
};

inline std::uint32_t CabSum(const std::uint8_t* p, std::size_t n, std::uint32_t seed) {
  std::size_t i = 0;
  for (; i + 4 <= n; i += 4)
    seed ^= std::uint32_t{p[i]} | p[i + 1] << 8 | p[i + 2] << 16 | std::uint32_t{p[i + 3]} << 24;
  std::uint32_t tail = 0;
  for (; i < n; ++i) tail = tail << 8 | p[i];
  return seed ^ tail;
}

// One folder holding every file's bytes in order.
inline Bytes BuildCab(const std::vector<CabFile>& files, const CabOptions& options = {}) {
  Bytes stream;
  for (const CabFile& f : files) PutBytes(stream, f.data);
  Bytes blocks;
  std::size_t blockCount = 0;
  Bytes history;
  for (std::size_t at = 0; at < stream.size() || blockCount == 0; at += options.blockSize) {
    const Bytes plain(stream.begin() + static_cast<std::ptrdiff_t>(at),
                      stream.begin() + static_cast<std::ptrdiff_t>(std::min(stream.size(), at + options.blockSize)));
    Bytes packed = plain;
    if (options.compression == 1) {
      packed = {'C', 'K'};
      PutBytes(packed, RawDeflate(plain, history));
      history = plain;
    }
    Bytes header;
    Put16(header, static_cast<std::uint32_t>(packed.size()));
    Put16(header, static_cast<std::uint32_t>(plain.size()));
    const std::uint32_t sum = options.checksums ? CabSum(header.data(), 4, CabSum(packed.data(), packed.size(), 0)) : 0;
    Put32(blocks, sum), PutBytes(blocks, header);
    blocks.insert(blocks.end(), options.dataReserve, 0xAA);
    PutBytes(blocks, packed);
    ++blockCount;
    if (stream.empty()) break;
  }
  const bool reserve = options.headerReserve || options.folderReserve || options.dataReserve;
  const std::size_t headerSize = 36 + (reserve ? 4 + options.headerReserve : 0);
  const std::size_t folderSize = 8 + options.folderReserve;
  Bytes names;
  std::uint32_t offset = 0;
  for (const CabFile& f : files) {
    Put32(names, f.size.value_or(static_cast<std::uint32_t>(f.data.size())));
    Put32(names, f.offset.value_or(offset));
    Put16(names, f.folder.value_or(0)), Put16(names, 0x5A21), Put16(names, 0x6000), Put16(names, f.attributes);
    PutText(names, f.name), names.push_back(0);
    offset += static_cast<std::uint32_t>(f.data.size());
  }
  const std::size_t filesOffset = headerSize + folderSize;
  const std::size_t dataOffset = filesOffset + names.size();
  Bytes out;
  PutText(out, "MSCF"), Put32(out, 0), Put32(out, static_cast<std::uint32_t>(dataOffset + blocks.size()));
  Put32(out, 0), Put32(out, static_cast<std::uint32_t>(filesOffset)), Put32(out, 0);
  out.push_back(3), out.push_back(1);
  Put16(out, options.folderCount.value_or(1));
  Put16(out, options.fileCount.value_or(static_cast<std::uint16_t>(files.size())));
  Put16(out, (reserve ? 4 : 0) | options.extraFlags), Put16(out, 0x1234), Put16(out, 0);
  if (reserve) {
    Put16(out, options.headerReserve), out.push_back(options.folderReserve), out.push_back(options.dataReserve);
    out.insert(out.end(), options.headerReserve, 0x55);
  }
  Put32(out, static_cast<std::uint32_t>(dataOffset)), Put16(out, static_cast<std::uint32_t>(blockCount));
  Put16(out, options.compression);
  out.insert(out.end(), options.folderReserve, 0x66);
  PutBytes(out, names), PutBytes(out, blocks);
  return out;
}

// ---- LZH ----

// MSB-first bits, as the -lh5- family reads them.
class BitWriter {
 public:
  void Put(std::uint32_t value, int count) {
    for (int i = count - 1; i >= 0; --i) {
      current_ = static_cast<std::uint8_t>(current_ << 1 | ((value >> i) & 1));
      if (++used_ == 8) Flush();
    }
  }
  Bytes Finish() {
    while (used_ != 0) Put(0, 1);
    return bytes_;
  }

 private:
  void Flush() {
    bytes_.push_back(current_);
    current_ = 0, used_ = 0;
  }
  Bytes bytes_;
  std::uint8_t current_ = 0;
  int used_ = 0;
};

// The head of an -lh5- block whose literal code gives every byte value 8 bits (code = the byte itself)
// and no matches: a valid stream that the decoder's tables really read.
// positionBits: 4 for -lh4-/-lh5-, 5 for -lh6-/-lh7-.
inline void LiteralBlockHeader(BitWriter& bits, std::uint32_t symbols, int positionBits = 4) {
  bits.Put(symbols, 16);
  // Code-length code: symbols 2 and 10 get one bit each (so 10 means "length 8").
  bits.Put(11, 5);
  for (int s = 0; s < 11; ++s) {
    bits.Put(s == 2 || s == 10 ? 1 : 0, 3);
    if (s == 2) bits.Put(0, 2);  // no extra zeros after the third length
  }
  bits.Put(256, 9);  // 256 literal lengths, all 8
  for (int s = 0; s < 256; ++s) bits.Put(1, 1);
  bits.Put(0, positionBits), bits.Put(0, positionBits);  // distance code: the one-symbol form
}

inline Bytes LiteralLh5(const Bytes& data, int positionBits = 4) {
  BitWriter bits;
  for (std::size_t at = 0; at < data.size(); at += 0xFFFF) {
    const std::size_t n = std::min<std::size_t>(0xFFFF, data.size() - at);
    LiteralBlockHeader(bits, static_cast<std::uint32_t>(n), positionBits);
    for (std::size_t k = 0; k < n; ++k) bits.Put(data[at + k], 8);
  }
  return bits.Finish();
}

inline std::uint16_t LzhCrc16(const Bytes& data) {
  std::uint16_t crc = 0;
  for (std::uint8_t b : data) {
    crc ^= b;
    for (int k = 0; k < 8; ++k) crc = static_cast<std::uint16_t>((crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1);
  }
  return crc;
}

struct LzhMember {
  LzhMember(std::string name_, Bytes data_, int level_ = 2, std::string method_ = "-lh0-")
      : name(std::move(name_)), data(std::move(data_)), level(level_), method(std::move(method_)) {}
  std::string name;     // raw bytes; level 0 keeps folders in it
  Bytes data;
  int level = 2;
  std::string method = "-lh0-";       // -lh0- stores data; -lh4- and -lh5- write the literal-only stream
  std::optional<Bytes> stream;        // the packed bytes, instead of what method would write
  std::string directory;              // extended header 0x02 (0xFF separators)
  std::optional<Bytes> utf16Name;     // extended header 0x44
  std::optional<std::uint32_t> codePage;
  std::optional<std::uint16_t> unixMode;
  std::optional<std::uint16_t> crc;   // of the data
  std::optional<std::uint32_t> packedSize, size;
  bool breakHeaderCheck = false;      // wrong level-0/1 sum or level-2 header CRC
  std::vector<Bytes> extraHeaders;    // raw extended headers (type byte + data) appended as given
};

inline Bytes LzhExtendedHeaders(const LzhMember& m, bool withCrc) {
  std::vector<Bytes> headers;
  auto add = [&headers](std::uint8_t type, const Bytes& data) {
    Bytes h{type};
    PutBytes(h, data);
    headers.push_back(h);
  };
  if (withCrc) add(0x00, Bytes{0, 0, 0});
  if (m.level == 2) add(0x01, Bytes(m.name.begin(), m.name.end()));
  if (!m.directory.empty()) add(0x02, Bytes(m.directory.begin(), m.directory.end()));
  if (m.utf16Name) add(0x44, *m.utf16Name);
  if (m.codePage) {
    Bytes cp;
    Put32(cp, *m.codePage);
    add(0x46, cp);
  }
  if (m.unixMode) {
    Bytes mode;
    Put16(mode, *m.unixMode);
    add(0x50, mode);
  }
  for (const Bytes& raw : m.extraHeaders) headers.push_back(raw);
  Bytes out;  // each: type, data, size of the next (0 after the last); the first size sits in the base header
  for (std::size_t i = 0; i < headers.size(); ++i) {
    PutBytes(out, headers[i]);
    Put16(out, i + 1 < headers.size() ? static_cast<std::uint32_t>(headers[i + 1].size() + 2) : 0);
  }
  const std::uint32_t first = headers.empty() ? 0 : static_cast<std::uint32_t>(headers[0].size() + 2);
  Bytes result;
  Put16(result, first);
  PutBytes(result, out);
  return result;  // first two bytes: the first header's size
}

inline Bytes BuildLzh(const std::vector<LzhMember>& members, bool endMark = true) {
  Bytes out;
  for (const LzhMember& m : members) {
    const bool literal = m.method == "-lh4-" || m.method == "-lh5-";
    const Bytes packed = m.stream ? *m.stream : literal ? LiteralLh5(m.data) : m.data;
    const std::uint16_t crc = m.crc.value_or(LzhCrc16(m.data));
    const std::uint32_t size = m.size.value_or(static_cast<std::uint32_t>(m.data.size()));
    const Bytes ext = LzhExtendedHeaders(m, m.level == 2);
    const Bytes firstSize(ext.begin(), ext.begin() + 2), chain(ext.begin() + 2, ext.end());
    Bytes h;
    if (m.level == 2) {
      Put16(h, 0);  // total size, patched below
      PutText(h, m.method);
      Put32(h, m.packedSize.value_or(static_cast<std::uint32_t>(packed.size()))), Put32(h, size);
      Put32(h, 0x5F000000), h.push_back(0x20), h.push_back(2);
      Put16(h, crc), h.push_back('M'), PutBytes(h, firstSize), PutBytes(h, chain);
      h[0] = static_cast<std::uint8_t>(h.size()), h[1] = static_cast<std::uint8_t>(h.size() >> 8);
      // Header CRC: the first extended header is 0x00; its value sits right after its type byte.
      const std::size_t crcAt = 26 + 1;
      const std::uint16_t headerCrc = static_cast<std::uint16_t>(LzhCrc16(h) ^ (m.breakHeaderCheck ? 1 : 0));
      h[crcAt] = static_cast<std::uint8_t>(headerCrc), h[crcAt + 1] = static_cast<std::uint8_t>(headerCrc >> 8);
    } else {
      const std::uint32_t extSize = static_cast<std::uint32_t>(chain.size());
      h.push_back(0), h.push_back(0);  // size and sum, patched below
      PutText(h, m.method);
      Put32(h, m.packedSize.value_or(static_cast<std::uint32_t>(packed.size() + (m.level == 1 ? extSize : 0))));
      Put32(h, size), Put32(h, 0x5A210000), h.push_back(0x20), h.push_back(static_cast<std::uint8_t>(m.level));
      h.push_back(static_cast<std::uint8_t>(m.name.size())), PutText(h, m.name), Put16(h, crc);
      if (m.level == 1) h.push_back('M'), PutBytes(h, firstSize);
      h[0] = static_cast<std::uint8_t>(h.size() - 2);
      std::uint8_t sum = 0;
      for (std::size_t i = 2; i < h.size(); ++i) sum = static_cast<std::uint8_t>(sum + h[i]);
      h[1] = static_cast<std::uint8_t>(sum + (m.breakHeaderCheck ? 1 : 0));
      if (m.level == 1) PutBytes(h, chain);
    }
    PutBytes(out, h), PutBytes(out, packed);
  }
  if (endMark) out.push_back(0);
  return out;
}

}  // namespace velura::archive_testing
