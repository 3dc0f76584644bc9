# The format check that scripts/test runs (CTest entry "format"): fails when clang-format, with the
# rules in .clang-format, would change any source file. scripts/format applies the rules.
#   cmake -DCLANG_FORMAT=... -DROOT=... -P CheckFormat.cmake
file(GLOB_RECURSE files LIST_DIRECTORIES false
  "${ROOT}/src/*.cpp" "${ROOT}/src/*.h" "${ROOT}/tests/*.cpp" "${ROOT}/tests/*.h")
list(SORT files)
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${files}
  WORKING_DIRECTORY "${ROOT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "clang-format would change the lines above; scripts/format applies it")
endif()
list(LENGTH files count)
message(STATUS "${count} files formatted as .clang-format says")
