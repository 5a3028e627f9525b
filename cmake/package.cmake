# Installation layout and the Debian package (`make package`): programs in bin, the data tree
# read-only in share/tavrel, the menu entry, AppStream metainfo, icons and the package's papers.
include(GNUInstallDirs)

set(TAVREL_ID org.example.tavrel)
set(TAVREL_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS tavrel tavrel-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The window libraries the program loads late, in the package's private library folder, where
# the program looks for them from bin/../ (common/data_path.cpp).
install(TARGETS tavrel_history_view_window LIBRARY DESTINATION ${TAVREL_PRIVATE_LIBDIR})
# The program finds this tree from bin/../share/tavrel (common/data_path.cpp).
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tavrel
        PATTERN README.md EXCLUDE)
install(FILES ${TAVREL_PACKAGING}/${TAVREL_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TAVREL_PACKAGING}/${TAVREL_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
file(GLOB icon_sizes RELATIVE ${TAVREL_PACKAGING}/icons ${TAVREL_PACKAGING}/icons/*)
foreach(size IN LISTS icon_sizes)
  install(FILES ${TAVREL_PACKAGING}/icons/${size}/tavrel.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps)
endforeach()
install(FILES ${TAVREL_PACKAGING}/screenshots/launcher.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tavrel/screenshots)

# The papers Debian asks of every package, compressed without a time stamp.
set(papers ${CMAKE_BINARY_DIR}/packaging)
set(compressed)
foreach(paper changelog tavrel.1 tavrel-tool.1)
  set(gz ${papers}/${paper}.gz)
  if(paper STREQUAL "changelog")
    set(gz ${papers}/changelog.Debian.gz)
  endif()
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${papers}
    COMMAND gzip -9nc ${TAVREL_PACKAGING}/${paper} > ${gz}
    DEPENDS ${TAVREL_PACKAGING}/${paper} VERBATIM)
  list(APPEND compressed ${gz})
endforeach()
add_custom_target(package_papers ALL DEPENDS ${compressed})
install(FILES ${TAVREL_PACKAGING}/copyright ${papers}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${papers}/tavrel.1.gz ${papers}/tavrel-tool.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrel)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "The Tavrel team <team@tavrel.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching and drill program for the Tavrel input method")
# The summary is the synopsis line; CPack indents these lines into the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tavrel codes type Chinese characters and words as short digit codes on the
numeric keypad. From its launcher the learner opens twelve graded character
and word drills, article practice against the clock through the code
dictionary, and two timed keypad warm-up games, plus a tutorial and a
read-me. Each user's records are kept in that user's own data folder.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tavrel.example.org/)
# The linked libraries (Qt, the C++ runtime) from dpkg-shlibdeps; what is loaded at run time
# without being linked is named here (SDL2_mixer is opened at the first sound, SQLite at the first
# opening of the learning history).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libsdl2-mixer-2.0-0, libsqlite3-0, timgm6mb-soundfont, fonts-noto-cjk, xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xchm")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
