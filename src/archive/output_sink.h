// Where a reader writes a member's bytes. A sink may refuse bytes (a limit was reached, the disk is full):
// the reader then stops at once and reports the member as not extracted.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

namespace velura {

class OutputSink {
 public:
  virtual ~OutputSink() = default;
  virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
};

// Collects the bytes in memory (tests, small nested archives).
class MemorySink final : public OutputSink {
 public:
  bool Write(std::span<const std::uint8_t> bytes) override {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return true;
  }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

// Passes bytes on while the member stays within its own cap and the archive within its budget.
class LimitedSink final : public OutputSink {
 public:
  enum class Limit { None, Member, Total };

  LimitedSink(OutputSink& next, std::uint64_t memberCap, std::uint64_t& totalBudget)
      : next_(next), memberCap_(memberCap), totalBudget_(totalBudget) {}

  bool Write(std::span<const std::uint8_t> bytes) override {
    if (bytes.size() > memberCap_ - written_) return Refuse(Limit::Member);
    if (bytes.size() > totalBudget_) return Refuse(Limit::Total);
    written_ += bytes.size();
    totalBudget_ -= bytes.size();
    return next_.Write(bytes);
  }

  Limit Reached() const { return reached_; }
  std::uint64_t Written() const { return written_; }

 private:
  bool Refuse(Limit limit) {
    reached_ = limit;
    return false;
  }

  OutputSink& next_;
  std::uint64_t memberCap_;
  std::uint64_t& totalBudget_;
  std::uint64_t written_ = 0;
  Limit reached_ = Limit::None;
};

}  // namespace velura
