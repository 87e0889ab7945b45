#pragma once
// The language of a build. Each program is built once per language from the
// same source; the executables pass their build's language in at start.
#include <string_view>

namespace fuda {

enum class Language { Japanese, English };

// A user-visible text in both languages; the build's language picks one.
struct LocalText {
  std::string_view ja;
  std::string_view en;
};

constexpr std::string_view pick(Language language, LocalText text) {
  return language == Language::Japanese ? text.ja : text.en;
}

}  // namespace fuda
