# The portable sources: the ISO C++ files of the rooms below the Win32 toolkit and of the window's
# rules. The native tree, the Windows tree and the fuzz build (on its converted copy of the tree)
# all take them from here. A file that needs Windows is named *_win32.cpp and is left out; the
# Windows tree adds those halves back.
set(TOKIWAKE_PORTABLE_ROOMS text platform settings media rename ui/rules)
# Portable files that belong with the window: the main window's layout table is plain data, tested
# natively; the Windows tree builds it with the rest of the window.
set(TOKIWAKE_PORTABLE_WINDOW_FILES src/ui/convert_layout.cpp)

# Sets `out` to the *.cpp files of those rooms under the source tree `root`, the Windows halves
# among them only when `WINDOWS_HALVES` is given.
function(tokiwake_portable_sources out root)
  cmake_parse_arguments(PARSE_ARGV 2 arg "WINDOWS_HALVES" "" "")
  set(patterns)
  foreach(room ${TOKIWAKE_PORTABLE_ROOMS})
    list(APPEND patterns ${root}/src/${room}/*.cpp)
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${patterns})
  if(NOT arg_WINDOWS_HALVES)
    list(FILTER sources EXCLUDE REGEX "_win32\\.cpp$")
    foreach(file ${TOKIWAKE_PORTABLE_WINDOW_FILES})
      list(APPEND sources ${root}/${file})
    endforeach()
  endif()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()
