# Files the desktop and the package need that the build makes: the icon in every size of the
# icon theme, the software-centre description, the manual page and the package changelog.

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
configure_file(resources/debian/changelog.in ${VANTORY_DESKTOP_OUT}/changelog @ONLY)

# Manual pages and changelogs ship compressed, without name or time stamp, so that two builds
# of the same source give the same package.
set(VANTORY_COMPRESSED "")
foreach(text vantory.1 changelog)
  add_custom_command(OUTPUT ${VANTORY_DESKTOP_OUT}/${text}.gz
    COMMAND gzip -9nkf ${VANTORY_DESKTOP_OUT}/${text}
    DEPENDS ${VANTORY_DESKTOP_OUT}/${text})
  list(APPEND VANTORY_COMPRESSED ${VANTORY_DESKTOP_OUT}/${text}.gz)
endforeach()

add_custom_target(vantory_desktop_files ALL DEPENDS ${VANTORY_ICON_PNGS} ${VANTORY_COMPRESSED})
