// Random-access byte sources for the font file reader: a file opened read-only (shared with every other
// reader and writer) with a small block cache and the regions fetched ahead, or bytes already in memory.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace velura {

struct ByteRegion {
  std::uint64_t offset = 0;
  std::uint64_t length = 0;
};

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Copies n bytes at offset; false (and nothing defined in dst) when they are not all there.
  virtual bool ReadAt(std::uint64_t offset, void* dst, std::size_t n) = 0;
  // The regions the next reads will touch, so a source with costly reads can fetch them in few calls.
  // A hint only: any region, even outside the source, is allowed and changes no read's result.
  virtual void Prefetch(std::span<const ByteRegion> /*regions*/) {}
  // The last-write time in the system's own units, or 0 when the source has none (bytes in memory).
  virtual std::int64_t ModifiedTime() const { return 0; }
};

class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(std::uint64_t offset, void* dst, std::size_t n) override;

 private:
  std::span<const std::uint8_t> bytes_;
};

class FileSource final : public ByteSource {
 public:
  // The last-write time of an open descriptor, finer than the C runtime's whole seconds on Windows.
  using LastWriteTimeReader = std::int64_t (*)(int descriptor);
  // Null when the file cannot be opened (missing, a folder, no access). Without a time reader the time is
  // the C runtime's (whole seconds on Windows, nanoseconds elsewhere).
  static std::unique_ptr<FileSource> Open(const std::u16string& path, LastWriteTimeReader lastWriteTime = nullptr);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  std::uint64_t Size() const override { return size_; }
  bool ReadAt(std::uint64_t offset, void* dst, std::size_t n) override;
  // Reads the regions, joined where they lie close, with one call per joined span, and keeps them for
  // ReadAt. Each file keeps at most 64 spans and 1 MiB, however many regions it is asked for.
  void Prefetch(std::span<const ByteRegion> regions) override;
  std::int64_t ModifiedTime() const override { return modified_; }

  // Calls that read from the file so far, and the bytes kept from prefetched regions.
  std::size_t FileReads() const { return fileReads_; }
  std::uint64_t KeptBytes() const { return keptBytes_; }

 private:
  FileSource(int descriptor, std::uint64_t size, std::int64_t modified)
      : descriptor_(descriptor), size_(size), modified_(modified) {}
  bool Fill(std::uint64_t offset, std::size_t n);
  bool ReadFromFile(std::uint64_t offset, std::uint8_t* dst, std::size_t n);
  const std::uint8_t* Kept(std::uint64_t offset, std::uint64_t n);
  void KeepBlock();

  // The reader jumps between a few small regions (directory, name records and strings, table heads);
  // caching one aligned block around each read turns most of them into memory copies.
  static constexpr std::size_t kBlockSize = 1024;
  int descriptor_;
  std::uint64_t size_;
  std::int64_t modified_;
  std::vector<std::uint8_t> block_;  // capacity kept from read to read
  std::size_t blockLength_ = 0;
  std::uint64_t blockOffset_ = 0;

  struct KeptSpan {
    std::uint64_t offset;
    std::vector<std::uint8_t> bytes;
  };
  static constexpr std::size_t kMaxKeptSpans = 64;
  static constexpr std::uint64_t kMaxKeptBytes = 1024 * 1024;
  std::vector<KeptSpan> kept_;
  std::uint64_t keptBytes_ = 0;
  std::size_t lastKept_ = 0;  // where the previous read was found: reads come in runs over one span
  std::size_t fileReads_ = 0;
};

// Size of a file in bytes, or -1 when it cannot be opened.
std::int64_t FileSizeOf(const std::u16string& path);

}  // namespace velura
