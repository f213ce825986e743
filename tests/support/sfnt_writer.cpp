#include "support/sfnt_writer.h"

#include <fstream>
#include <stdexcept>
#include <utility>

namespace velura::testing {

namespace {

void Put16(Bytes& b, std::uint16_t v) {
  b.push_back(static_cast<std::uint8_t>(v >> 8));
  b.push_back(static_cast<std::uint8_t>(v));
}

void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, static_cast<std::uint16_t>(v >> 16));
  Put16(b, static_cast<std::uint16_t>(v));
}

void Set32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) b[at + k] = static_cast<std::uint8_t>(v >> (24 - 8 * k));
}

}  // namespace

Bytes NameTable(const std::vector<NameSpec>& names, std::optional<std::uint16_t> stringOffset) {
  Bytes storage;
  Bytes records;
  for (const auto& n : names) {
    Bytes text;
    if (n.raw) {
      text = *n.raw;
    } else {
      for (char16_t c : n.text) Put16(text, c);
    }
    Put16(records, n.platform);
    Put16(records, n.encoding);
    Put16(records, n.language);
    Put16(records, n.nameId);
    Put16(records, n.length.value_or(static_cast<std::uint16_t>(text.size())));
    Put16(records, n.offset.value_or(static_cast<std::uint16_t>(storage.size())));
    storage.insert(storage.end(), text.begin(), text.end());
  }
  Bytes table;
  Put16(table, 0);
  Put16(table, static_cast<std::uint16_t>(names.size()));
  Put16(table, stringOffset.value_or(static_cast<std::uint16_t>(6 + records.size())));
  table.insert(table.end(), records.begin(), records.end());
  table.insert(table.end(), storage.begin(), storage.end());
  return table;
}

Bytes CmapTable(const std::vector<CmapSpec>& subtables) {
  Bytes table;
  Put16(table, 0);
  Put16(table, static_cast<std::uint16_t>(subtables.size()));
  const std::uint32_t first = 4 + 8 * static_cast<std::uint32_t>(subtables.size());
  for (std::size_t i = 0; i < subtables.size(); ++i) {
    Put16(table, subtables[i].platform);
    Put16(table, subtables[i].encoding);
    Put32(table, first + 4 * static_cast<std::uint32_t>(i));
  }
  for (const auto& s : subtables) {  // just the format word and a length word per subtable
    Put16(table, s.format);
    Put16(table, 4);
  }
  return table;
}

Bytes Os2Table(const Os2Spec& os2) {
  Bytes t;
  Put16(t, os2.version);
  Put16(t, 500);  // xAvgCharWidth
  Put16(t, os2.weightClass);
  t.resize(t.size() + 36, 0);
  for (auto r : os2.unicodeRange) Put32(t, r);
  for (char c : os2.vendor) t.push_back(static_cast<std::uint8_t>(c));
  t.resize(t.size() + 16, 0);
  Put32(t, os2.codePageRange1);
  Put32(t, os2.codePageRange2);
  t.resize(96, 0);
  return t;
}

Bytes HeadTable(std::uint16_t flags) {
  Bytes t;
  Put32(t, 0x00010000);
  Put32(t, 0x00010000);
  Put32(t, 0);
  Put32(t, 0x5F0F3CF5);
  Put16(t, flags);
  t.resize(54, 0);
  return t;
}

Bytes PostTable(std::uint32_t version) {
  Bytes t;
  Put32(t, version);
  t.resize(32, 0);
  return t;
}

SfntBuilder& SfntBuilder::Table(std::string tag, Bytes data) {
  tag.resize(4, ' ');
  tables_.push_back(Entry{std::move(tag), std::move(data), std::nullopt});
  return *this;
}

SfntBuilder& SfntBuilder::TableOffset(const std::string& tag, std::uint32_t offset) {
  for (auto& e : tables_)
    if (e.tag == tag) e.offset = offset;
  return *this;
}

SfntBuilder SfntBuilder::Standard(const std::vector<NameSpec>& names, std::optional<Bytes> cmap) {
  SfntBuilder b;
  b.Table("OS/2", Os2Table(Os2Spec{}))
      .Table("cmap", cmap ? std::move(*cmap) : CmapTable({{0, 3, 4}, {3, 1, 4}}))
      .Table("glyf", Bytes(16, 0))
      .Table("head", HeadTable(0x000B))
      .Table("hhea", Bytes(36, 0))
      .Table("hmtx", Bytes(8, 0))
      .Table("loca", Bytes(8, 0))
      .Table("maxp", Bytes(32, 0))
      .Table("name", NameTable(names))
      .Table("post", PostTable(0x00020000));
  return b;
}

Bytes SfntBuilder::Build(std::uint32_t baseOffset) const {
  Bytes out;
  Put32(out, version_);
  Put16(out, numTablesOverride_.value_or(static_cast<std::uint16_t>(tables_.size())));
  Put16(out, 128);
  Put16(out, 3);
  Put16(out, 32);
  const std::size_t directory = out.size();
  out.resize(directory + 16 * tables_.size(), 0);
  for (std::size_t i = 0; i < tables_.size(); ++i) {
    while (out.size() % 4) out.push_back(0);
    const std::size_t at = directory + 16 * i;
    for (int k = 0; k < 4; ++k) out[at + k] = static_cast<std::uint8_t>(tables_[i].tag[k]);
    Set32(out, at + 8, tables_[i].offset.value_or(baseOffset + static_cast<std::uint32_t>(out.size())));
    Set32(out, at + 12, static_cast<std::uint32_t>(tables_[i].data.size()));
    out.insert(out.end(), tables_[i].data.begin(), tables_[i].data.end());
  }
  while (out.size() % 4) out.push_back(0);
  return out;
}

Bytes Collection(const std::vector<SfntBuilder>& faces) {
  Bytes out{'t', 't', 'c', 'f'};
  Put32(out, 0x00010000);
  Put32(out, static_cast<std::uint32_t>(faces.size()));
  const std::size_t offsets = out.size();
  out.resize(offsets + 4 * faces.size(), 0);
  for (std::size_t i = 0; i < faces.size(); ++i) {
    const auto base = static_cast<std::uint32_t>(out.size());
    Set32(out, offsets + 4 * i, base);
    const Bytes face = faces[i].Build(base);
    out.insert(out.end(), face.begin(), face.end());
  }
  return out;
}

std::vector<NameSpec> BasicNames(std::u16string family, std::u16string subfamily, std::uint16_t language) {
  std::u16string full = subfamily == u"Regular" ? family : family + u" " + subfamily;
  std::vector<NameSpec> names;
  names.push_back(NameSpec{3, 1, language, 1, family, {}, {}, {}});
  names.push_back(NameSpec{3, 1, language, 2, subfamily, {}, {}, {}});
  names.push_back(NameSpec{3, 1, language, 4, full, {}, {}, {}});
  return names;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace velura::testing
