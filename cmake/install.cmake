# Desktop integration and installation.
#
# The build folder is a portable install: the desktop entry, the file-type description and the icon
# are copied beside the generated data, where the program finds them to register its file type per
# user at the first start. `cmake --install` lays out bin/ and share/ (share/orvenna for the data).

include(GNUInstallDirs)

set(ORVENNA_DESKTOP_FILES
  ${CMAKE_SOURCE_DIR}/data/orvenna.desktop
  ${CMAKE_SOURCE_DIR}/data/orvenna-mime.xml
  ${CMAKE_SOURCE_DIR}/data/orvenna.svg)
foreach(file ${ORVENNA_DESKTOP_FILES})
  get_filename_component(name ${file} NAME)
  configure_file(${file} ${ORVENNA_DATA_DIR}/${name} COPYONLY)
endforeach()
# The building-material catalogue, copied into the program directory at the first start.
configure_file(${CMAKE_SOURCE_DIR}/data/Baustoff.kvz ${ORVENNA_DATA_DIR}/Baustoff.kvz COPYONLY)

foreach(program orvenna orvenna-calc)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The program looks for its shipped data in ../share/orvenna relative to its own folder.
install(DIRECTORY ${ORVENNA_DATA_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/orvenna)
install(FILES data/orvenna.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/orvenna-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES data/orvenna.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Fixed sizes beside the SVG for panels and menus that draw no SVG (made once with rsvg-convert).
foreach(size 16 32 48 64 128 256)
  install(FILES data/icons/orvenna-${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME orvenna.png)
endforeach()

# Into a live system (not a staging DESTDIR) the desktop's caches are refreshed where the tools exist.
foreach(tool_and_dir "update-mime-database|mime" "update-desktop-database|applications")
  string(REPLACE "|" ";" tool_and_dir "${tool_and_dir}")
  list(GET tool_and_dir 0 tool)
  list(GET tool_and_dir 1 dir)
  install(CODE "
    find_program(orvenna_${tool} ${tool})
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\" AND orvenna_${tool})
      execute_process(COMMAND \${orvenna_${tool}} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/${dir}\"
                      OUTPUT_QUIET ERROR_QUIET)
    endif()")
endforeach()

install(FILES data/orvenna.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME org.orvenna.Orvenna.metainfo.xml)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvenna)
install(FILES data/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvenna)

include(cmake/package.cmake)
