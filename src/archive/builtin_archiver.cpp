#include "archive/builtin_archiver.h"

#include "archive/member_mask.h"
#include "fontfile/byte_source.h"

namespace velura {

LoadedArchive LoadArchive(const std::u16string& path, ArchiveFormat expected) {
  LoadedArchive loaded;
  auto source = FileSource::Open(path);
  if (!source || source->Size() > kMaxArchiveFileBytes) return loaded;
  loaded.bytes = std::make_unique<std::vector<std::uint8_t>>(static_cast<std::size_t>(source->Size()));
  if (!source->ReadAt(0, loaded.bytes->data(), loaded.bytes->size())) return loaded;
  ArchiveFormat format = expected;
  DetectArchiveFormat(*loaded.bytes, format);  // a ".zip" that is really a cabinet is read as one
  loaded.reader = OpenArchiveAs(format, *loaded.bytes);
  return loaded;
}

int ExtractionResult(const ExtractionReport& report) {
  if (report.archiveError != ArchiveIssue::None) return kArchiverDamaged;
  return report.failed == 0 ? kArchiverOk : kArchiverMembersFailed;
}

bool BuiltInArchiver::Open(void*, const std::u16string& fullPath, int) {
  Close();
  open_ = LoadArchive(fullPath, format_);
  if (open_.Listed()) return true;
  Close();
  return false;
}

int BuiltInArchiver::FindFirst(std::u16string_view mask, ArchiverMemberInfo& info) {
  if (!open_.reader) return kArchiverNotOpen;
  mask_ = std::u16string(mask);
  next_ = 0;
  return FindNext(info);
}

int BuiltInArchiver::FindNext(ArchiverMemberInfo& info) {
  if (!open_.reader) return kArchiverNotOpen;
  const auto& entries = open_.reader->Entries();
  for (; next_ < entries.size(); ++next_) {
    const ArchiveEntry& entry = entries[next_];
    if (!MatchesMemberMask(entry.name, mask_)) continue;
    info = {entry.name, entry.size, entry.packedSize, entry.method};
    ++next_;
    return kArchiverOk;
  }
  return kArchiverNoMoreMembers;
}

void BuiltInArchiver::Close() {
  open_.reader.reset();  // before the bytes it reads
  open_.bytes.reset();
  next_ = 0;
}

int BuiltInArchiver::Extract(const ExtractRequest& request) {
  for (const std::u16string& pattern : request.patterns)
    if (!IsAllMembersMask(pattern)) return kArchiverUnsupportedPattern;
  LoadedArchive archive = LoadArchive(request.archive, format_);
  if (!archive.Listed()) return kArchiverCannotRead;
  if (!host_.EnsureFolder(request.destination)) return kArchiverMembersFailed;
  const std::unique_ptr<MemberWriter> writer = host_.CreateWriter(request.destination);
  const std::unique_ptr<FallbackDecoder> fallback = host_.CreateFallback(*archive.reader, *archive.bytes);
  return ExtractionResult(ExtractArchive(*archive.reader, limits_, *writer, fallback.get()));
}

}  // namespace velura
