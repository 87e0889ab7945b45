#include "voicegen/progress_bar.h"

#include <unistd.h>

namespace fuda {

namespace {
constexpr int kBarWidth = 40;
}

ProgressBar::ProgressBar(std::FILE* out, int total, std::string label)
    : out_(out), visible_(isatty(fileno(out)) != 0), total_(total),
      label_(std::move(label)) {
  std::lock_guard lock(mutex_);
  draw();
}

void ProgressBar::advance() {
  std::lock_guard lock(mutex_);
  if (done_ < total_) ++done_;
  draw();
}

void ProgressBar::finish() {
  std::lock_guard lock(mutex_);
  if (visible_) {
    std::fputc('\n', out_);
    std::fflush(out_);
    visible_ = false;
  }
}

void ProgressBar::draw() {
  if (!visible_) return;
  const int filled = total_ > 0 ? done_ * kBarWidth / total_ : kBarWidth;
  std::string bar(static_cast<std::size_t>(filled), '#');
  bar.resize(kBarWidth, '.');
  std::fprintf(out_, "\r%s [%s] %d/%d", label_.c_str(), bar.c_str(), done_, total_);
  std::fflush(out_);
}

}  // namespace fuda
