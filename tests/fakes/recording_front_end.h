#pragma once
// The reader's front end beyond its main window: records the tool windows
// asked for, which close at once; the help and the input-free pause do
// nothing.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/ports/reader_front_end.h"

namespace fuda::testing {

class RecordingFrontEnd : public ReaderFrontEnd {
 public:
  // GUI thread.
  void openToolWindow(std::string_view name) override { opened.emplace_back(name); }
  void openHelp(const std::filesystem::path&) override {}
  void pauseWithoutInput(double) override {}
  std::vector<std::string> opened;
};

}  // namespace fuda::testing
