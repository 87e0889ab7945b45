#pragma once
// Tests run once per build language are named and printed by the language,
// not by a dump of the parameter's bytes.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/texts/language.h"

namespace fuda {

// Found by GoogleTest through the argument's namespace.
inline void PrintTo(Language language, std::ostream* out) {
  *out << (language == Language::Japanese ? "Japanese" : "English");
}

namespace testing {

// A name generator for INSTANTIATE_TEST_SUITE_P over the two builds.
inline std::string languageName(const ::testing::TestParamInfo<Language>& info) {
  return info.param == Language::Japanese ? "Japanese" : "English";
}

}  // namespace testing
}  // namespace fuda
