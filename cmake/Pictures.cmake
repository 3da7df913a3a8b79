# SPDX-License-Identifier: GPL-3.0-or-later
# The program's pictures (the five image-list pictures and the product icon) are drawn from our
# SVGs into PNGs at build time and compiled into the program, so that nothing has to parse or
# render SVG while the window opens. The tree shows them at 16 pixels and the list at 32; the
# sizes cover both at scale factors 1, 1.25, 1.5, 2, 3 and 4, and 256 serves large window icons.

set(VANTORY_PICTURE_NAMES computer folder program url email vantory)
set(VANTORY_PICTURE_SIZES 16 20 24 32 40 48 64 96 128 256)
set(VANTORY_PICTURES_OUT ${CMAKE_BINARY_DIR}/pictures)

add_executable(make_icon tools/make_icon.cpp)
find_package(PNG REQUIRED)
target_link_libraries(make_icon PRIVATE Qt6::Gui Qt6::Svg PNG::PNG)

set(VANTORY_PICTURE_PNGS "")
set(qrc_files "")
foreach(name ${VANTORY_PICTURE_NAMES})
  set(svg ${CMAKE_SOURCE_DIR}/resources/icons/${name}.svg)
  set(pngs "")
  foreach(size ${VANTORY_PICTURE_SIZES})
    list(APPEND pngs ${VANTORY_PICTURES_OUT}/${name}/${size}.png)
    string(APPEND qrc_files "    <file>${name}/${size}.png</file>\n")
  endforeach()
  add_custom_command(OUTPUT ${pngs}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:make_icon> --flat ${svg} ${VANTORY_PICTURES_OUT}/${name}
            ${VANTORY_PICTURE_SIZES}
    DEPENDS make_icon ${svg})
  list(APPEND VANTORY_PICTURE_PNGS ${pngs})
endforeach()

# Written only when its text changes, so that an unchanged list does not rebuild the resources.
file(CONFIGURE OUTPUT ${VANTORY_PICTURES_OUT}/pictures.qrc
  CONTENT "<RCC>\n  <qresource prefix=\"/pictures\">\n${qrc_files}  </qresource>\n</RCC>\n")

# PNGs are compressed already; stored as they are, they need no inflating when read.
set(VANTORY_PICTURES_CPP ${VANTORY_PICTURES_OUT}/qrc_pictures.cpp)
add_custom_command(OUTPUT ${VANTORY_PICTURES_CPP}
  COMMAND Qt6::rcc --name pictures --no-compress -o ${VANTORY_PICTURES_CPP}
          ${VANTORY_PICTURES_OUT}/pictures.qrc
  DEPENDS ${VANTORY_PICTURES_OUT}/pictures.qrc ${VANTORY_PICTURE_PNGS}
  WORKING_DIRECTORY ${VANTORY_PICTURES_OUT})
set_source_files_properties(${VANTORY_PICTURES_CPP} PROPERTIES SKIP_AUTOGEN ON)
