# fuda_add_language_programs(NAME SOURCE... LIBS LIBRARY...)
# One program built twice from the same sources: NAME-ja with the Japanese
# texts and NAME-en with the English ones, both in the build folder's top.
# On Windows they are GUI programs entered by wWinMain.
function(fuda_add_language_programs name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LIBS")
  foreach(lang ja en)
    set(target ${name}-${lang})
    add_executable(${target} ${arg_UNPARSED_ARGUMENTS})
    target_link_libraries(${target} PRIVATE ${arg_LIBS})
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
    if(WIN32)
      set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
      target_link_options(${target} PRIVATE -municode)
    endif()
  endforeach()
  target_compile_definitions(${name}-ja PRIVATE FUDA_LANGUAGE_JAPANESE)
  target_compile_definitions(${name}-en PRIVATE FUDA_LANGUAGE_ENGLISH)
endfunction()
