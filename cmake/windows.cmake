# Windows tree: tokiwake.exe and the Windows test programs, cross-compiled and linked statically.
set(TOKIWAKE_WIN_LIBS user32 gdi32 comctl32 comdlg32 shell32 ole32 oleaut32 uuid shlwapi imm32 psapi
  uxtheme)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
if(NOT MSVC)
  add_link_options(-static -static-libgcc -static-libstdc++)
else()
  # The manifest is src/ui/tokiwake.manifest, built in through tokiwake.rc; not a second one.
  add_link_options(/MANIFEST:NO)
endif()

# One way only, as the rooms include each other: the portable logic with its Windows halves
# (platform among them), then the Win32 toolkit, then the window and its Help dialogs.
include(cmake/PortableSources.cmake)
tokiwake_portable_sources(TOKIWAKE_CORE_SOURCES ${PROJECT_SOURCE_DIR} WINDOWS_HALVES)
add_library(tokiwake_core STATIC ${TOKIWAKE_CORE_SOURCES})
tokiwake_target(tokiwake_core)
target_link_libraries(tokiwake_core PUBLIC ${TOKIWAKE_WIN_LIBS})

file(GLOB TOKIWAKE_TOOLKIT_SOURCES CONFIGURE_DEPENDS src/win32/*.cpp)
add_library(tokiwake_win32 STATIC ${TOKIWAKE_TOOLKIT_SOURCES})
tokiwake_target(tokiwake_win32)
target_link_libraries(tokiwake_win32 PUBLIC tokiwake_core)

file(GLOB TOKIWAKE_UI_SOURCES CONFIGURE_DEPENDS src/ui/*.cpp src/ui/help/*.cpp)
list(FILTER TOKIWAKE_UI_SOURCES EXCLUDE REGEX "/ui/main\\.cpp$")
add_library(tokiwake_ui STATIC ${TOKIWAKE_UI_SOURCES})
tokiwake_target(tokiwake_ui)
target_link_libraries(tokiwake_ui PUBLIC tokiwake_win32)

add_executable(tokiwake WIN32 src/ui/main.cpp src/ui/tokiwake.rc src/ui/MailIcon.rc)
tokiwake_target(tokiwake)
target_link_libraries(tokiwake PRIVATE tokiwake_ui)
if(NOT MSVC)
  # A release carries no symbols: the static runtime's would double the file.
  target_link_options(tokiwake PRIVATE -municode $<$<CONFIG:Release>:-s>)
endif()

# What ships beside tokiwake.exe (the ReadMe, the usage pages) is copied beside it here too, so that
# the program in the build tree finds them where a user's copy does.
file(GLOB_RECURSE TOKIWAKE_SHIPPED CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/release
  ${PROJECT_SOURCE_DIR}/release/*)
set(TOKIWAKE_SHIPPED_COPIES)
foreach(shipped ${TOKIWAKE_SHIPPED})
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${shipped}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/release/${shipped}
            ${CMAKE_BINARY_DIR}/${shipped}
    DEPENDS ${PROJECT_SOURCE_DIR}/release/${shipped})
  list(APPEND TOKIWAKE_SHIPPED_COPIES ${CMAKE_BINARY_DIR}/${shipped})
endforeach()
add_custom_target(shipped_files ALL DEPENDS ${TOKIWAKE_SHIPPED_COPIES})
add_dependencies(tokiwake shipped_files)

# GoogleTest for the Windows side, compiled from Debian's sources (or GTEST_SOURCE_DIR on Windows).
set(GTEST_SOURCE_DIR /usr/src/googletest/googletest CACHE PATH "googletest sources")
add_library(gtest_win STATIC ${GTEST_SOURCE_DIR}/src/gtest-all.cc)
target_include_directories(gtest_win SYSTEM PUBLIC ${GTEST_SOURCE_DIR}/include PRIVATE ${GTEST_SOURCE_DIR})

file(GLOB HARNESS_SOURCES CONFIGURE_DEPENDS tests/win/harness/*.cpp)
# The harness's own tests go into win_tests: in a static library nothing would pull them in.
list(FILTER HARNESS_SOURCES EXCLUDE REGEX "/(Main|[A-Za-z]*Test)\\.cpp$")
add_library(win_harness STATIC ${HARNESS_SOURCES})
tokiwake_target(win_harness)
target_include_directories(win_harness PUBLIC ${PROJECT_SOURCE_DIR}/tests/win)
target_link_libraries(win_harness PUBLIC gtest_win tokiwake_core ntdll)

# In-process tests: the Win32 implementations and the real window, in the folders that mirror the
# rooms of src/. The other folders hold the harness (whose own tests join these), the programs
# that drive the real tokiwake.exe from outside, and the drivers of scripts/bench and scripts/stress.
file(GLOB_RECURSE WIN_TEST_SOURCES CONFIGURE_DEPENDS tests/win/*.cpp)
list(FILTER WIN_TEST_SOURCES EXCLUDE REGEX "/tests/win/(harness|e2e|bench|stress)/")
file(GLOB HARNESS_TESTS CONFIGURE_DEPENDS tests/win/harness/*Test.cpp)
list(APPEND WIN_TEST_SOURCES ${HARNESS_TESTS})
# MailIcon.rc: the version page's picture, which the window writes from the running program;
# tokiwake.rc: the program's manifest, so that the window under test has the controls, the
# visual style and the dpi awareness it has in the program.
add_executable(win_tests ${WIN_TEST_SOURCES} tests/win/harness/Main.cpp src/ui/MailIcon.rc
  src/ui/tokiwake.rc)
tokiwake_target(win_tests)
# The photos the tests make are the native tests' small files.
target_include_directories(win_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/native)
target_link_libraries(win_tests PRIVATE win_harness tokiwake_ui)

# End to end: the real tokiwake.exe driven from this other process.
file(GLOB E2E_TEST_SOURCES CONFIGURE_DEPENDS tests/win/e2e/*.cpp)
add_executable(e2e_tests ${E2E_TEST_SOURCES})
tokiwake_target(e2e_tests)
target_link_libraries(e2e_tests PRIVATE win_harness version)
add_dependencies(e2e_tests tokiwake)

# Each test is an entry of its own, so that a failure names itself and a rerun can pick it. Under
# Wine the runner script supplies the prefix, the locale, the time zone and the display; the tests
# are listed just before CTest runs them, when that display is there.
set(WINE_RUN ${PROJECT_SOURCE_DIR}/scripts/wine-run CACHE FILEPATH "runs a Windows program here")
if(CMAKE_HOST_WIN32)
  set(WINE_RUN "")
endif()
set_target_properties(win_tests e2e_tests PROPERTIES CROSSCOMPILING_EMULATOR "${WINE_RUN}")
include(GoogleTest)
gtest_discover_tests(win_tests TEST_PREFIX "win." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
  PROPERTIES ENVIRONMENT "TOKIWAKE_LANG=ja_JP.UTF-8" TIMEOUT 300)
# End to end in both locales: the files left behind must be the same bytes.
foreach(lang ja_JP en_US)
  gtest_discover_tests(e2e_tests TEST_PREFIX "e2e.${lang}." DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120 EXTRA_ARGS $<TARGET_FILE:tokiwake>
    PROPERTIES ENVIRONMENT "TOKIWAKE_LANG=${lang}.UTF-8" TIMEOUT 300)
endforeach()

# Benchmark driver for scripts/bench: the real tokiwake.exe against a minimal rename loop. Its
# photos' Exif blocks are made as the shooting-date reader's tests make theirs.
add_executable(bench_rename tests/win/bench/BenchMain.cpp)
tokiwake_target(bench_rename)
target_include_directories(bench_rename PRIVATE ${PROJECT_SOURCE_DIR}/tests/win
  ${PROJECT_SOURCE_DIR}/tests/native)
target_link_libraries(bench_rename PRIVATE psapi)
if(NOT MSVC)
  target_link_options(bench_rename PRIVATE -municode)
endif()
add_dependencies(bench_rename tokiwake)

# Kill test for scripts/stress: the real tokiwake.exe killed during runs and while it saves.
add_executable(stress_rename tests/win/stress/StressMain.cpp)
tokiwake_target(stress_rename)
target_include_directories(stress_rename PRIVATE ${PROJECT_SOURCE_DIR}/tests/win)
if(NOT MSVC)
  target_link_options(stress_rename PRIVATE -municode)
endif()
add_dependencies(stress_rename tokiwake)
