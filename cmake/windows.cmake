# Cross build: larkspan.exe, the Win32 layer's tests and the end-to-end driver, run under Wine.
set(LARK_WIN_DEFS UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)
# No link time in the image: the same sources give the same bytes, whenever they are built.
set(LARK_WIN_LINK -static -municode -Wl,--dynamicbase -Wl,--nxcompat -Wl,--high-entropy-va -Wl,--no-insert-timestamp)
set(LARK_WIN_LIBS user32 gdi32 shell32 comctl32 advapi32 ole32 oleaut32 uuid shcore uxtheme version)

target_compile_definitions(larkcore PUBLIC ${LARK_WIN_DEFS})
# Nor where they were built: source file names (in assertions) are written relative to the checkout.
target_compile_options(larkcore PUBLIC -ffile-prefix-map=${CMAKE_SOURCE_DIR}/= -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)

# The Win32 implementations of the platform services.
file(GLOB LARK_WIN32_SOURCES CONFIGURE_DEPENDS platform/win32/*.cpp)
list(FILTER LARK_WIN32_SOURCES EXCLUDE REGEX "/main\\.cpp$")
add_library(larkwin STATIC ${LARK_WIN32_SOURCES})
target_link_libraries(larkwin PUBLIC larkcore ${LARK_WIN_LIBS})
target_compile_options(larkwin PRIVATE -Wall -Wextra)

add_executable(larkspan WIN32 platform/win32/main.cpp assets/larkspan.rc)
target_link_libraries(larkspan PRIVATE larkwin)
target_link_options(larkspan PRIVATE ${LARK_WIN_LINK})
# Wine reads every section of an image into memory, debug sections included (6 MB of them here), and
# the symbol table (0.6 MB) serves nothing where crashes end the process: every build drops both, so
# the packages of any tree hold what a release ships.
target_link_options(larkspan PRIVATE -Wl,--strip-all)
set_property(SOURCE assets/larkspan.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_SOURCE_DIR}/assets/larkspan.manifest)

# The help pages, Japanese and English (with the version written in), their style sheet and their
# pictures go beside larkspan.exe, where the help command looks for them and the packages take them from.
configure_file(${CMAKE_SOURCE_DIR}/assets/help/larkspan.html ${CMAKE_CURRENT_BINARY_DIR}/larkspan.html @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/assets/help/larkspan.en.html ${CMAKE_CURRENT_BINARY_DIR}/larkspan.en.html @ONLY)
foreach(file screenshot.png screenshot.en.png larkspan.css)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${file}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/assets/help/${file} ${CMAKE_CURRENT_BINARY_DIR}/${file}
    DEPENDS ${CMAKE_SOURCE_DIR}/assets/help/${file})
endforeach()
add_custom_target(larkspan_help ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/screenshot.png
  ${CMAKE_CURRENT_BINARY_DIR}/screenshot.en.png ${CMAKE_CURRENT_BINARY_DIR}/larkspan.css)
add_dependencies(larkspan larkspan_help)

# GoogleTest built with the cross compiler, for the Win32 layer's tests.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB LARK_WIN32_TESTS CONFIGURE_DEPENDS tests/win32/*.cpp)
if(LARK_WIN32_TESTS)
  add_executable(win32_tests ${LARK_WIN32_TESTS} assets/larkspan.rc)
  target_include_directories(win32_tests PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(win32_tests PRIVATE larkwin gtest gtest_main)
  target_link_options(win32_tests PRIVATE -static)
endif()

# The end-to-end driver, and the DLL it loads into the program to read its menus (under Wine menus
# cannot be read from another process). The DLL lands beside driver.exe, where the driver looks.
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/driver/main.cpp)
  add_executable(driver tests/e2e/driver/main.cpp)
  target_compile_definitions(driver PRIVATE ${LARK_WIN_DEFS})
  target_link_libraries(driver PRIVATE ${LARK_WIN_LIBS} oleacc)
  target_link_options(driver PRIVATE -static -municode)
  add_library(menu_dump SHARED tests/e2e/driver/menu_dump.cpp)
  set_target_properties(menu_dump PROPERTIES PREFIX "")
  target_compile_definitions(menu_dump PRIVATE ${LARK_WIN_DEFS})
  target_link_libraries(menu_dump PRIVATE user32)
  target_link_options(menu_dump PRIVATE -static)
  add_dependencies(driver menu_dump)
endif()

# The idle benchmark's floor: the same timers in an otherwise empty program.
add_executable(bench_floor WIN32 tools/bench/floor/floor.cpp)
target_compile_definitions(bench_floor PRIVATE ${LARK_WIN_DEFS})
target_link_options(bench_floor PRIVATE -static -municode)

# The reply-gap benchmark's probe: pings a window from a process of its own and times the answers.
add_executable(reply_probe tools/bench/replies/reply_probe.cpp)
target_compile_definitions(reply_probe PRIVATE ${LARK_WIN_DEFS})
target_link_options(reply_probe PRIVATE -static -municode)

# The monitor tick's cost: the real program's tick over the real services, timed in a loop.
add_executable(tick_bench tools/bench/tick/tick_bench.cpp assets/larkspan.rc)
target_link_libraries(tick_bench PRIVATE larkwin psapi)
target_link_options(tick_bench PRIVATE -static -municode -Wl,--strip-debug)

include(cmake/wine-tests.cmake OPTIONAL)
include(cmake/package.cmake)
