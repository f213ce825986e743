// Paces the pumping of a loop over many files: a pump and a progress step for every one of thousands of
// fonts cost more than the fonts themselves (each repaints the bar), while a user sees no difference between
// a bar moved every file and one moved every few hundredths of a second.
#pragma once
#include <chrono>

namespace velura {

class PumpPacer {
 public:
  explicit PumpPacer(std::chrono::milliseconds interval = std::chrono::milliseconds(30)) : interval_(interval) {}

  // True at the first call and then whenever the interval has passed since the last true.
  bool Due() {
    const auto now = std::chrono::steady_clock::now();
    if (started_ && now - last_ < interval_) return false;
    started_ = true;
    last_ = now;
    return true;
  }

 private:
  std::chrono::steady_clock::duration interval_;
  std::chrono::steady_clock::time_point last_{};
  bool started_ = false;
};

}  // namespace velura
