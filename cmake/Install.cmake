# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Vantory with `cmake --install`: the program, the files it reads from its folder,
# its place on the desktop (menu entry, icon, software-centre description, bus activation) and
# the manual page. Also the tests of the installed program. The Debian package (debian/) adds
# its copyright file and changelog.

include(GNUInstallDirs)

# The desktop's name for the program: desktop entry, icon, bus name and metainfo id.
set(VANTORY_ID org.mellovan.Vantory)
set(VANTORY_DATA_DIR ${CMAKE_INSTALL_DATADIR}/vantory)

# The program finds its files in ../share/vantory beside itself (platform/DesktopEnvironment).
file(RELATIVE_PATH data_from_program ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_FULL_DATADIR}/vantory)
if(NOT data_from_program STREQUAL "../share/vantory")
  message(WARNING "The installed program looks for its files in ../share/vantory, "
    "but they install to ${data_from_program} from it: it will not find its catalogue templates.")
endif()

# Folders made on the way get the usual rwxr-xr-x whatever the umask of the one installing.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(${CMAKE_CURRENT_LIST_DIR}/DesktopFiles.cmake)

install(TARGETS vantory RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VANTORY_OUT}/dbBlank.mdb ${VANTORY_OUT}/dbApplications.mdb ${VANTORY_OUT}/HAND-M.CUR
  DESTINATION ${VANTORY_DATA_DIR})
install(FILES ${HELP_FILES} DESTINATION ${VANTORY_DATA_DIR}/help)

# The menu entry, the icon in the icon theme every desktop reads, and the software-centre page.
install(FILES resources/desktop/${VANTORY_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VANTORY_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${VANTORY_ID}.svg)
foreach(size ${VANTORY_ICON_SIZES})
  install(FILES ${VANTORY_DESKTOP_OUT}/icons/${size}x${size}/apps/${VANTORY_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${VANTORY_DESKTOP_OUT}/${VANTORY_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The desktop entry is bus-activatable: the session bus starts the program by its installed
# path, which is known only when installing (a package installs to another prefix than a build).
set(service_in ${CMAKE_SOURCE_DIR}/resources/desktop/${VANTORY_ID}.service.in)
set(service_out ${VANTORY_DESKTOP_OUT}/${VANTORY_ID}.service)
install(CODE "
  set(VANTORY_INSTALLED_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/vantory\")
  configure_file(\"${service_in}\" \"${service_out}\" @ONLY)
")
install(FILES ${service_out} DESTINATION ${CMAKE_INSTALL_DATADIR}/dbus-1/services)

install(FILES ${VANTORY_DESKTOP_OUT}/vantory.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Tests of the installed program.
if(BUILD_TESTING)
add_test(NAME Install.InstalledProgramStartsFromItsSharedFiles
  COMMAND ${CMAKE_SOURCE_DIR}/tests/install_test.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR})
add_test(NAME SingleInstance.SecondStartRaisesTheFirstAndEnds
  COMMAND ${CMAKE_SOURCE_DIR}/tests/second_start_test.sh $<TARGET_FILE:vantory>)
add_test(NAME CommandLine.HelpVersionAndMistakes
  COMMAND ${CMAKE_SOURCE_DIR}/tests/command_line_test.sh $<TARGET_FILE:vantory>)
add_test(NAME CommandLine.ThreeHomesKeepOneCatalogueInStep
  COMMAND ${CMAKE_SOURCE_DIR}/tests/sync_command_line_test.sh $<TARGET_FILE:vantory>)
set_tests_properties(Install.InstalledProgramStartsFromItsSharedFiles
  SingleInstance.SecondStartRaisesTheFirstAndEnds CommandLine.HelpVersionAndMistakes
  CommandLine.ThreeHomesKeepOneCatalogueInStep
  PROPERTIES TIMEOUT 120)
endif()
