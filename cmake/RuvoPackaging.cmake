# `cmake --install` puts the five programs side by side in bin/ (the program
# folder each finds the others in), with a desktop entry, the project MIME
# types, an icon, the AppStream description and a man page per program under
# share/. Installed in a read-only folder, the working folder and setting.ini
# fall back to $TMPDIR/ruvo and ~/.config/ruvo (settings/app_folders.h).
#
# `cmake --build build --target package` makes the Debian package
# build/ruvo_VERSION_ARCH.deb from the same rules (CPack).
include(GNUInstallDirs)

set(RUVO_PROGRAMS ruvo ruvo-cli ruvo-batch splicer resampler)
install(TARGETS ${RUVO_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/ruvo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/ruvo-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ruvo.xml)
install(FILES packaging/org.ruvo.ruvo.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES src/gui/resources/ruvo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES src/gui/resources/ruvo.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The help menu's ReadMe opens the user guide from here (editor/project_session).
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY docs/guide/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/guide)
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ruvo)
# The changelog, compressed as Debian wants it (gzip -9n: no name, no time stamp).
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
  COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
  COMMENT "Compressing the changelog")
add_custom_target(changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Man pages, made from each program's --help and --version by help2man and
# compressed the same way.
option(RUVO_MAN_PAGES "Make and install the man pages (needs help2man)" ON)
if(RUVO_MAN_PAGES)
  find_program(HELP2MAN help2man REQUIRED)
  set(summary_ruvo "singing-voice synthesis workbench: the editor")
  set(summary_ruvo-cli "dump, convert and render ruvo projects from a terminal")
  set(summary_ruvo-batch "run a ruvo project batch file")
  set(summary_splicer "append one shaped note to a WAV being joined")
  set(summary_resampler "re-pitch and stretch one voice-bank recording to a note")
  set(pages)
  foreach(program IN LISTS RUVO_PROGRAMS)
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
    add_custom_command(OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LANG=C.UTF-8
              ${HELP2MAN} --no-info --section=1 --name=${summary_${program}} --output=${page} $<TARGET_FILE:${program}>
      COMMAND ${GZIP} -9nf ${page}
      DEPENDS ${program}
      COMMENT "Man page of ${program}"
      VERBATIM)
    list(APPEND pages ${page}.gz)
  endforeach()
  add_custom_target(man_pages ALL DEPENDS ${pages})
  install(FILES ${pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ruvo)
set(CPACK_PACKAGE_VENDOR "The ruvo developers")
set(CPACK_PACKAGE_CONTACT "The ruvo developers <ruvo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "singing-voice synthesis workbench")
set(CPACK_PACKAGE_DESCRIPTION "ruvo writes a melody as notes (a syllable, a length, a pitch and sound
controls per note) and renders it to a WAV file by re-pitching and
stretching one recording of a voice bank per note and joining the notes.
The package holds the editor (ruvo), the command-line front end (ruvo-cli),
the project batch runner (ruvo-batch), the wave joiner (splicer) and the
resampler.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; Qt's platform
# plugins are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-cjk")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
