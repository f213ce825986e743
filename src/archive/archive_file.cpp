#include "archive/archive_file.h"

#include "archive/archiver_errors.h"
#include "archive/builtin_archiver.h"
#include "fontfile/byte_source.h"

namespace velura {

namespace {

// Enough bytes for every signature the built-in readers recognise.
TArchiverType TypeFromContent(const std::u16string& path) {
  auto source = FileSource::Open(path);
  if (!source) return atNone;
  std::vector<std::uint8_t> head(static_cast<std::size_t>(std::min<std::uint64_t>(source->Size(), 64)));
  if (!source->ReadAt(0, head.data(), head.size())) return atNone;
  return ArchiverTypeFromContent(head);
}

}  // namespace

void TArchiveFile::SetFileName(const std::u16string& fileName) {
  TArchiverType type = ArchiverTypeFromName(fileName);
  if (type == atAutoDetect) type = TypeFromContent(host_.FullPath(fileName));
  SetArchiverType(type);
  fileName_ = fileName;
}

void TArchiveFile::SetArchiverType(TArchiverType type) {
  if (type == atNone) return;
  if (type == atAutoDetect) {
    type_ = type;
    return;
  }
  const ArchiverInfo* archiver = FindArchiverInfo(type);
  if (!archiver) throw EArchiver(std::u16string(kTextUnknownType));
  type_ = type;
  archiver_ = archiver;
}

void TArchiveFile::SetOutputSize(int size) {
  outputSize_ = size < 0 ? 0 : size;
  output_.clear();
}

const ArchiverInfo& TArchiveFile::RequireArchiver() {
  if (type_ == atAutoDetect) SetArchiverType(TypeFromContent(host_.FullPath(fileName_)));
  if (!archiver_) throw EArchiver(std::u16string(kTextUndetectable));
  return *archiver_;
}

std::unique_ptr<ArchiverBackend> TArchiveFile::CreateBackend(const ArchiverInfo& archiver) {
  ArchiveFormat format;
  if (BuiltInFormatOf(archiver.type, format)) return std::make_unique<BuiltInArchiver>(host_, format);
  std::unique_ptr<ArchiverBackend> library = host_.LoadLibraryBackend(archiver);
  if (!library) throw NoLibraryError(archiver);
  return library;
}

bool TArchiveFile::Open(void* window, int mode) {
  Close();
  std::unique_ptr<ArchiverBackend> backend = CreateBackend(RequireArchiver());
  if (!backend->Open(window, host_.FullPath(fileName_), mode)) return true;
  open_ = std::move(backend);
  return false;
}

int TArchiveFile::FindFirst(std::u16string_view mask, ArchiverMemberInfo& info) {
  return open_ ? open_->FindFirst(mask, info) : kArchiverNotOpen;
}

int TArchiveFile::FindNext(ArchiverMemberInfo& info) { return open_ ? open_->FindNext(info) : kArchiverNotOpen; }

void TArchiveFile::Close() {
  if (open_) open_->Close();
  open_.reset();
}

ArchiverCommand TArchiveFile::ExtractCommand(const TArchiverOptions* options,
                                             const std::vector<std::u16string>& patterns,
                                             const std::u16string& destination) {
  const ArchiverInfo& archiver = RequireArchiver();
  const std::u16string archive = archiver.type == atCab ? host_.FullPath(fileName_) : fileName_;
  return BuildExtractCommand(archiver, options ? *options : options_, archive, destination, patterns);
}

int TArchiveFile::Extract(void* window, const TArchiverOptions* options,
                          const std::vector<std::u16string>& patterns, const std::u16string& destination) {
  std::unique_ptr<ArchiverBackend> backend = CreateBackend(RequireArchiver());  // the library first
  ExtractRequest request;
  request.command = ExtractCommand(options, patterns, destination);
  request.window = window;
  request.archive = host_.FullPath(fileName_);
  request.destination = destination;
  request.patterns = patterns;
  request.options = options ? options : &options_;
  return backend->Extract(request);
}

}  // namespace velura
