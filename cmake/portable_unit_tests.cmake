# For a build whose compiler has no GoogleTest of its own (MinGW, Emscripten):
# GoogleTest built here from Debian's sources by the same compiler, and in
# fuda_portable_unit_sources the unit tests that run on every platform, those
# of tests/unit itself (not of its posix/ and voicegen/ folders), with the
# fakes.
set(FUDA_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (libgtest-dev)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${FUDA_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
file(GLOB fuda_portable_unit_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/unit/*.cpp
     ${PROJECT_SOURCE_DIR}/tests/fakes/*.cpp)
