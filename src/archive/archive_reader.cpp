#include "archive/archive_reader.h"

#include "archive/byte_view.h"
#include "platform/text.h"

namespace velura {

std::string_view IssueName(MemberIssue issue) {
  switch (issue) {
    case MemberIssue::None: return "none";
    case MemberIssue::Directory: return "directory";
    case MemberIssue::Symlink: return "link";
    case MemberIssue::Encrypted: return "encrypted";
    case MemberIssue::UnsupportedMethod: return "unsupported method";
    case MemberIssue::ContinuedElsewhere: return "continued in another cabinet";
    case MemberIssue::BadHeader: return "bad header";
    case MemberIssue::DataOutOfRange: return "data out of range";
    case MemberIssue::Overlap: return "overlaps another member";
    case MemberIssue::CorruptData: return "corrupt data";
    case MemberIssue::SizeMismatch: return "size mismatch";
    case MemberIssue::ChecksumMismatch: return "checksum mismatch";
    case MemberIssue::UnsafeName: return "unsafe name";
    case MemberIssue::NotFontOrArchive: return "not a font or archive";
    case MemberIssue::MemberTooLarge: return "member size limit";
    case MemberIssue::TotalLimitReached: return "total size limit";
    case MemberIssue::CountLimitReached: return "member count limit";
    case MemberIssue::WriteFailed: return "write failed";
    case MemberIssue::AlreadyExists: return "already exists";
  }
  return "?";
}

std::string_view IssueName(ArchiveIssue issue) {
  switch (issue) {
    case ArchiveIssue::None: return "none";
    case ArchiveIssue::NotAnArchive: return "not an archive";
    case ArchiveIssue::Truncated: return "truncated";
    case ArchiveIssue::Corrupt: return "corrupt";
    case ArchiveIssue::MultiVolume: return "multi-volume";
    case ArchiveIssue::UnsupportedVersion: return "unsupported version";
    case ArchiveIssue::TooManyEntries: return "too many entries";
    case ArchiveIssue::EntryCountMismatch: return "entry count mismatch";
    case ArchiveIssue::TrailingData: return "trailing data";
  }
  return "?";
}

std::string_view FormatName(ArchiveFormat format) {
  switch (format) {
    case ArchiveFormat::Zip: return "zip";
    case ArchiveFormat::Cab: return "cab";
    case ArchiveFormat::Lzh: return "lzh";
  }
  return "?";
}

std::unique_ptr<ArchiveReader> OpenArchiveAs(ArchiveFormat format, std::span<const std::uint8_t> bytes) {
  switch (format) {
    case ArchiveFormat::Zip: return OpenZipArchive(bytes);
    case ArchiveFormat::Cab: return OpenCabArchive(bytes);
    case ArchiveFormat::Lzh: return OpenLzhArchive(bytes);
  }
  return OpenZipArchive(bytes);
}

bool DetectArchiveFormat(std::span<const std::uint8_t> bytes, ArchiveFormat& format) {
  const ByteView view(bytes);
  if (view.Matches(0, "PK\x03\x04") || view.Matches(0, "PK\x05\x06")) {
    format = ArchiveFormat::Zip;
    return true;
  }
  if (view.Matches(0, "MSCF")) {
    format = ArchiveFormat::Cab;
    return true;
  }
  // LZH has no signature of its own: a header begins with its size, a checksum, then the method ID.
  if (view.Has(0, 22) && view.Matches(2, "-l") && view.Matches(6, "-")) {
    format = ArchiveFormat::Lzh;
    return true;
  }
  return false;
}

bool ArchiveFormatFromName(std::u16string_view fileName, ArchiveFormat& format) {
  const auto dot = fileName.find_last_of(u'.');
  if (dot == std::u16string_view::npos) return false;
  const std::u16string extension = AsciiLower(fileName.substr(dot));
  if (extension == u".zip") format = ArchiveFormat::Zip;
  else if (extension == u".cab") format = ArchiveFormat::Cab;
  else if (extension == u".lzh") format = ArchiveFormat::Lzh;
  else return false;
  return true;
}

}  // namespace velura
