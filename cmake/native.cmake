# Native tree: the portable logic and its unit tests, built with the host compiler.
find_package(GTest REQUIRED)
include(GoogleTest)

# The portable logic: no Windows header is reachable from these files.
include(cmake/PortableSources.cmake)
tokiwake_portable_sources(TOKIWAKE_CORE_SOURCES ${PROJECT_SOURCE_DIR})
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

# Each room of src/ includes only the rooms below it (cmake/CheckLayers.cmake).
add_test(NAME layers COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR}
  -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake)
