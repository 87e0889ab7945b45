#pragma once
// A one-line progress bar on a terminal; silent when the output is not one
// (a log file, a test).
#include <cstdio>
#include <mutex>
#include <string>

namespace fuda {

class ProgressBar {
 public:
  ProgressBar(std::FILE* out, int total, std::string label);

  // Any thread: one more step done.
  void advance();
  // Ends the line so that later output starts on a fresh one.
  void finish();

 private:
  void draw();

  std::mutex mutex_;
  std::FILE* out_;
  bool visible_;
  int total_;
  int done_ = 0;
  std::string label_;
};

}  // namespace fuda
