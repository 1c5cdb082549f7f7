# The version resource and the two packages (the per-user
# installer and the portable zip) built from this tree's larkspan.exe by packaging/pack.

# VERSION reaches the executable's version resource through a header made here.
configure_file(${CMAKE_SOURCE_DIR}/assets/version.h.in ${CMAKE_BINARY_DIR}/generated/larkspan_version.h @ONLY)
set_property(SOURCE assets/larkspan.rc APPEND PROPERTY INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/generated)
set_property(SOURCE assets/larkspan.rc APPEND PROPERTY OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/generated/larkspan_version.h)

# The help pages, as the Windows build puts them beside the program, go into both packages.
set(LARK_HELP_PAGE ${CMAKE_BINARY_DIR}/larkspan.html ${CMAKE_BINARY_DIR}/larkspan.en.html ${CMAKE_BINARY_DIR}/screenshot.png ${CMAKE_BINARY_DIR}/screenshot.en.png
  ${CMAKE_BINARY_DIR}/larkspan.css)

find_program(LARK_MAKENSIS makensis)
find_program(LARK_ZIP zip)
if(LARK_MAKENSIS AND LARK_ZIP)
  set(LARK_DIST ${CMAKE_BINARY_DIR}/dist)
  set(LARK_PACKAGES ${LARK_DIST}/Larkspan-${PROJECT_VERSION}-setup.exe
                    ${LARK_DIST}/Larkspan-${PROJECT_VERSION}-portable.zip)
  file(GLOB LARK_PACKAGE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/packaging/*)
  add_custom_command(OUTPUT ${LARK_PACKAGES}
    # A build tree's packages are never signed: tools/package signs the release's.
    COMMAND ${CMAKE_COMMAND} -E env --unset=LARKSPAN_SIGN_PFX ${CMAKE_SOURCE_DIR}/packaging/pack $<TARGET_FILE:larkspan> ${LARK_DIST}
    DEPENDS larkspan ${LARK_PACKAGE_SOURCES} ${LARK_HELP_PAGE} ${CMAKE_SOURCE_DIR}/VERSION
            ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/assets/app.ico
    VERBATIM)
  add_custom_target(packages ALL DEPENDS ${LARK_PACKAGES})
else()
  message(STATUS "makensis or zip not found (tools/setup installs them): no packages in this tree")
endif()
