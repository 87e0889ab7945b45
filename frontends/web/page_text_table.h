#pragma once
// Every text of the core by its name ("kNextButton"), for the page's
// captions. The table is made at build time from core/texts/*.h
// (page_text_table.cmake), so a new text needs no entry of its own here.
#include <span>
#include <string_view>

#include "core/texts/language.h"

namespace fuda {

struct NamedText {
  std::string_view name;
  LocalText text;
};

std::span<const NamedText> pageTextTable();

}  // namespace fuda
