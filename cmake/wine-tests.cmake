# Tests that run under Wine, each inside the harness (tests/wine/run): its own Xvfb and a Wine
# prefix in this build tree, created on first use. Tests sharing a prefix never run together.
set(LARK_WINE_RUN ${CMAKE_SOURCE_DIR}/tests/wine/run)
set(LARK_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
set(LARK_E2E_OUTPUT ${CMAKE_BINARY_DIR}/e2e-output)
set(LARK_PYTHON /usr/bin/python3)  # Debian's, whatever python3 comes first on PATH

# The prefix for a screen DPI: the default one at 96 dpi, one of its own for any other.
function(lark_wine_prefix dpi out_dir out_args)
  if(dpi STREQUAL "96")
    set(${out_dir} ${LARK_WINE_DIR}/prefix PARENT_SCOPE)
    set(${out_args} "" PARENT_SCOPE)
  else()
    set(${out_dir} ${LARK_WINE_DIR}/prefix-dpi${dpi} PARENT_SCOPE)
    set(${out_args} --dpi ${dpi} PARENT_SCOPE)
  endif()
endfunction()

if(TARGET win32_tests)
  lark_wine_prefix(96 prefix dpi_args)
  add_test(NAME win32_tests
    COMMAND ${LARK_WINE_RUN} --prefix ${prefix} --timeout 280 --wine -- $<TARGET_FILE:win32_tests>)
  set_tests_properties(win32_tests PROPERTIES TIMEOUT 300 RESOURCE_LOCK ${prefix})
endif()

# One CTest test per tests/e2e/test_*.py, run as on a Japanese Windows. A file that needs another
# screen DPI says so in a line "# wine-dpi: 144"; one that needs a prefix to itself in a line
# "# wine-prefix: own"; one that runs in another locale in a line "# wine-locale: en_US.UTF-8" (an
# English Windows), and gets a prefix of its own, made under that locale.
if(TARGET larkspan AND TARGET driver)
  file(GLOB LARK_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/test_*.py)
  foreach(test_file IN LISTS LARK_E2E_TESTS)
    get_filename_component(stem ${test_file} NAME_WE)
    string(REGEX REPLACE "^test_" "e2e_" name ${stem})
    file(STRINGS ${test_file} dpi_line REGEX "^# wine-dpi: [0-9]+$" LIMIT_COUNT 1)
    string(REGEX REPLACE "^# wine-dpi: " "" dpi "${dpi_line}")
    if(NOT dpi)
      set(dpi 96)
    endif()
    lark_wine_prefix(${dpi} prefix dpi_args)
    file(STRINGS ${test_file} own_prefix REGEX "^# wine-prefix: own$" LIMIT_COUNT 1)
    file(STRINGS ${test_file} locale_line REGEX "^# wine-locale: [A-Za-z0-9_.@-]+$" LIMIT_COUNT 1)
    string(REGEX REPLACE "^# wine-locale: " "" locale "${locale_line}")
    set(locale_args "")
    if(locale)
      set(locale_args --locale ${locale})
    endif()
    if(own_prefix OR locale)
      set(prefix ${LARK_WINE_DIR}/prefix-${stem})
    endif()
    add_test(NAME ${name}
      COMMAND ${LARK_WINE_RUN} --prefix ${prefix} ${dpi_args} ${locale_args} --timeout 580 -- ${LARK_PYTHON} -u -m unittest -v ${stem}
      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}/tests/e2e)
    set_tests_properties(${name} PROPERTIES
      TIMEOUT 600
      RESOURCE_LOCK ${prefix}
      LABELS e2e
      ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1;LARK_EXE=$<TARGET_FILE:larkspan>;LARK_DRIVER=$<TARGET_FILE:driver>;LARK_OUTPUT=${LARK_E2E_OUTPUT}")
  endforeach()
endif()
