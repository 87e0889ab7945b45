# Writes OUT, the C++ source of pageTextTable() (page_text_table.h): one entry
# for each `LocalText kName` declared in the headers of TEXTS_DIR.
file(GLOB headers ${TEXTS_DIR}/*.h)
list(SORT headers)
set(includes "")
set(entries "")
foreach(header IN LISTS headers)
  file(READ ${header} source)
  string(REGEX MATCHALL "LocalText k[A-Za-z0-9_]+" declarations "${source}")
  if(NOT declarations)
    continue()
  endif()
  get_filename_component(name ${header} NAME)
  string(APPEND includes "#include \"core/texts/${name}\"\n")
  foreach(declaration IN LISTS declarations)
    string(REPLACE "LocalText " "" text ${declaration})
    string(APPEND entries "    {\"${text}\", texts::${text}},\n")
  endforeach()
endforeach()
set(content "// Made by page_text_table.cmake from core/texts; not to be edited.
#include \"frontends/web/page_text_table.h\"

${includes}
namespace fuda {

namespace {

constexpr NamedText kTexts[] = {
${entries}};

}  // namespace

std::span<const NamedText> pageTextTable() { return kTexts; }

}  // namespace fuda
")
# Written only when it changes, so an unchanged table compiles nothing.
file(CONFIGURE OUTPUT ${OUT} CONTENT "${content}" @ONLY)
