# SPDX-License-Identifier: GPL-3.0-or-later
# Files the desktop and the package need that the build makes: the icon in every size of the
# icon theme, the software-centre description and the manual page.

set(VANTORY_DESKTOP_OUT ${CMAKE_BINARY_DIR}/desktop)
set(VANTORY_ICON_SIZES 16 24 32 48 64 128 256)
set(VANTORY_ICON_SVG ${CMAKE_SOURCE_DIR}/resources/icons/vantory.svg)

# The product icon as PNG pictures, drawn from our own SVG by make_icon (cmake/Pictures.cmake).
set(VANTORY_ICON_PNGS "")
foreach(size ${VANTORY_ICON_SIZES})
  list(APPEND VANTORY_ICON_PNGS ${VANTORY_DESKTOP_OUT}/icons/${size}x${size}/apps/${VANTORY_ID}.png)
endforeach()
add_custom_command(OUTPUT ${VANTORY_ICON_PNGS}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:make_icon> ${VANTORY_ICON_SVG} ${VANTORY_DESKTOP_OUT}/icons ${VANTORY_ID}
          ${VANTORY_ICON_SIZES}
  DEPENDS make_icon ${VANTORY_ICON_SVG})

# Texts that carry the program's version.
configure_file(resources/desktop/${VANTORY_ID}.metainfo.xml.in
  ${VANTORY_DESKTOP_OUT}/${VANTORY_ID}.metainfo.xml @ONLY)
configure_file(resources/man/vantory.1 ${VANTORY_DESKTOP_OUT}/vantory.1 @ONLY)

# The Debian package's version is the program's: a release changes both.
file(STRINGS ${CMAKE_SOURCE_DIR}/debian/changelog newest_entry LIMIT_COUNT 1)
if(NOT newest_entry MATCHES "^vantory \\(${PROJECT_VERSION}[-)]")
  message(FATAL_ERROR "debian/changelog begins \"${newest_entry}\", "
    "but the program's version is ${PROJECT_VERSION}: give both the same version.")
endif()

# Manual pages ship compressed, without name or time stamp, so that two builds of the same
# source give the same package.
add_custom_command(OUTPUT ${VANTORY_DESKTOP_OUT}/vantory.1.gz
  COMMAND gzip -9nkf ${VANTORY_DESKTOP_OUT}/vantory.1
  DEPENDS ${VANTORY_DESKTOP_OUT}/vantory.1)

add_custom_target(vantory_desktop_files ALL
  DEPENDS ${VANTORY_ICON_PNGS} ${VANTORY_DESKTOP_OUT}/vantory.1.gz)
