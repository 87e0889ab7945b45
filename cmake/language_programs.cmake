# fuda_add_language_programs(NAME SOURCES src... LIBRARIES lib...)
# makes the two builds of one program, NAME-ja and NAME-en, from the same
# sources; only the language's compile definition differs. They go to the
# top of the build folder, where the scripts and tests look for them. On
# Windows they are GUI programs entered by wWinMain.
function(fuda_add_language_programs name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES")
  foreach(lang ja en)
    set(target ${name}-${lang})
    add_executable(${target} ${arg_SOURCES})
    target_link_libraries(${target} PRIVATE ${arg_LIBRARIES})
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
    if(WIN32)
      set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
      target_link_options(${target} PRIVATE -municode)
    endif()
  endforeach()
  target_compile_definitions(${name}-ja PRIVATE FUDA_LANGUAGE_JAPANESE)
  target_compile_definitions(${name}-en PRIVATE FUDA_LANGUAGE_ENGLISH)
endfunction()
