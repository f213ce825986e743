// Builds small sfnt font files byte by byte, so tests control every name record, tag and offset.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velura::testing {

using Bytes = std::vector<std::uint8_t>;

struct NameSpec {
  std::uint16_t platform = 3;
  std::uint16_t encoding = 1;
  std::uint16_t language = 0x0409;
  std::uint16_t nameId = 1;
  std::u16string text;  // written as UTF-16BE
  std::optional<Bytes> raw;  // written instead of text when set
  std::optional<std::uint16_t> length;  // overrides the record's length
  std::optional<std::uint16_t> offset;  // overrides the record's offset
};

struct CmapSpec {
  std::uint16_t platform = 3;
  std::uint16_t encoding = 1;
  std::uint16_t format = 4;
};

struct Os2Spec {
  std::uint16_t version = 4;
  std::uint16_t weightClass = 400;
  std::uint32_t unicodeRange[4] = {1, 0, 0, 0};
  char vendor[4] = {'T', 'E', 'S', 'T'};
  std::uint32_t codePageRange1 = 1;
  std::uint32_t codePageRange2 = 0;
};

Bytes NameTable(const std::vector<NameSpec>& names, std::optional<std::uint16_t> stringOffset = std::nullopt);
Bytes CmapTable(const std::vector<CmapSpec>& subtables);
Bytes Os2Table(const Os2Spec& os2);
Bytes HeadTable(std::uint16_t flags);
Bytes PostTable(std::uint32_t version);

// A face: tables in directory order. Table data is laid out 4-aligned after the directory.
class SfntBuilder {
 public:
  SfntBuilder& Version(std::uint32_t version) { version_ = version; return *this; }
  SfntBuilder& Table(std::string tag, Bytes data);
  // Overrides the offset written for the table with this tag (to point past the end, say).
  SfntBuilder& TableOffset(const std::string& tag, std::uint32_t offset);
  SfntBuilder& NumTablesOverride(std::uint16_t count) { numTablesOverride_ = count; return *this; }

  // The five tables the reader understands plus fillers up to ten tables.
  // A face with every table a reader looks at; cmap, when given, replaces the standard "cmap".
  static SfntBuilder Standard(const std::vector<NameSpec>& names, std::optional<Bytes> cmap = std::nullopt);

  // The face placed at baseOffset of a larger file (collections): offsets are absolute.
  Bytes Build(std::uint32_t baseOffset = 0) const;

 private:
  struct Entry {
    std::string tag;
    Bytes data;
    std::optional<std::uint32_t> offset;
  };
  std::uint32_t version_ = 0x00010000;
  std::optional<std::uint16_t> numTablesOverride_;
  std::vector<Entry> tables_;
};

// A TrueType collection of the given faces, in order.
Bytes Collection(const std::vector<SfntBuilder>& faces);

// Family (1), subfamily (2) and full name (4) records of one language.
std::vector<NameSpec> BasicNames(std::u16string family, std::u16string subfamily = u"Regular",
                                 std::uint16_t language = 0x0409);

void WriteFile(const std::string& path, const Bytes& bytes);

}  // namespace velura::testing
