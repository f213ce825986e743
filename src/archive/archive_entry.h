// What a reader reports about one archive member, and the reasons a member cannot be (or was not) extracted.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace velura {

enum class NameEncoding : std::uint8_t { Utf8, Cp932, Utf16Le };

enum class EntryKind : std::uint8_t { File, Directory, Symlink };

// Why a member is skipped or failed. The reader sets the first group when it lists the member; extraction
// and the extraction policy add the others. Stable short names for reports: IssueName().
enum class MemberIssue : std::uint8_t {
  None,
  // found while listing
  Directory,
  Symlink,
  Encrypted,
  UnsupportedMethod,
  ContinuedElsewhere,  // its bytes start or end in another cabinet of a set
  BadHeader,           // local and central records disagree, bad header checksum, impossible fields
  DataOutOfRange,      // the member's bytes lie (partly) outside the archive or its folder
  Overlap,             // the member's bytes overlap another member's
  // found while extracting
  CorruptData,
  SizeMismatch,
  ChecksumMismatch,
  // decided by the extraction policy or the writer
  UnsafeName,
  NotFontOrArchive,
  MemberTooLarge,
  TotalLimitReached,
  CountLimitReached,
  WriteFailed,
  AlreadyExists,
};

std::string_view IssueName(MemberIssue issue);

struct ArchiveEntry {
  std::string rawName;     // the name bytes as stored (LZH: directory and name joined with '\')
  std::u16string name;     // decoded, folder parts kept as stored
  NameEncoding encoding = NameEncoding::Cp932;
  bool nameHadInvalidBytes = false;  // undecodable bytes became U+FFFD
  EntryKind kind = EntryKind::File;
  std::string method;      // as the format names it: "deflate", "stored", "MSZIP", "-lh5-"
  std::uint64_t packedSize = 0;
  std::uint64_t size = 0;  // declared uncompressed size; extraction never writes more
  MemberIssue issue = MemberIssue::None;  // set when the reader will not extract the member
};

}  // namespace velura
