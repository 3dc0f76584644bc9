# Native tree: the portable logic and its unit tests, built with the host compiler.
find_package(GTest REQUIRED)
include(GoogleTest)

# The portable logic: no Windows header is reachable from these files, and the Windows halves
# (*_win32.cpp) stay out. The Help side's page builder and document choice are portable too, and
# so is the main window's layout table.
file(GLOB TOKIWAKE_CORE_SOURCES CONFIGURE_DEPENDS
  src/text/*.cpp src/settings/*.cpp src/rename/*.cpp src/ui/help/*.cpp src/media/*.cpp
  src/ui/convert_layout.cpp)
list(FILTER TOKIWAKE_CORE_SOURCES EXCLUDE REGEX "_win32\\.cpp$")
add_library(tokiwake_core STATIC ${TOKIWAKE_CORE_SOURCES})
tokiwake_target(tokiwake_core)

file(GLOB_RECURSE NATIVE_TEST_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/native/*.cpp)
add_executable(native_tests ${NATIVE_TEST_SOURCES})
tokiwake_target(native_tests)
target_include_directories(native_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/native)
target_link_libraries(native_tests PRIVATE tokiwake_core GTest::gtest_main)
gtest_discover_tests(native_tests TEST_PREFIX "native." DISCOVERY_TIMEOUT 30)

# The sources as .clang-format has them; scripts/setup installs clang-format.
find_program(CLANG_FORMAT clang-format)
if(CLANG_FORMAT)
  add_test(NAME format COMMAND ${CMAKE_COMMAND} -DCLANG_FORMAT=${CLANG_FORMAT}
    -DROOT=${PROJECT_SOURCE_DIR} -P ${PROJECT_SOURCE_DIR}/cmake/CheckFormat.cmake)
else()
  message(WARNING "clang-format not found: the format check is left out")
endif()
