# The installed layout: the executable and its question file side by side in
# lib/tolvanix-plimbora/ (the game reads its questions from beside the
# executable), a link to it in bin/, and what a desktop needs to show it.
# The web game is not installed but published as a folder (scripts/make-web-dist.sh).
if(NOT TARGET tolvanix-plimbora OR EMSCRIPTEN)
  return()
endif()

set(tp_game_dir "lib/tolvanix-plimbora")
set(tp_assets "${PROJECT_SOURCE_DIR}/assets")

# The question file checker goes beside the game and its questions.
install(TARGETS tolvanix-plimbora tolvanix-plimbora-questions RUNTIME DESTINATION "${tp_game_dir}")

# Under the prefix /usr, as in a distribution's package, the question file is
# configuration: the real file lies in /etc, where the package manager keeps
# a school's own questions over an upgrade, and the game finds it through a
# link beside it. Under any other prefix it lies beside the game itself.
install(CODE "set(tp_sample_questions \"${tp_assets}/vragen.ini\")")
install(CODE [[
  # file(INSTALL) puts DESTDIR before its destination itself; the links
  # and folders made by hand need it written out.
  set(tp_game "${CMAKE_INSTALL_PREFIX}/lib/tolvanix-plimbora")
  if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    file(INSTALL "${tp_sample_questions}" DESTINATION /etc/tolvanix-plimbora)
    file(CREATE_LINK /etc/tolvanix-plimbora/vragen.ini "$ENV{DESTDIR}${tp_game}/vragen.ini" SYMBOLIC)
    message(STATUS "Installing: $ENV{DESTDIR}${tp_game}/vragen.ini (link)")
  else()
    file(INSTALL "${tp_sample_questions}" DESTINATION "${tp_game}")
  endif()
]])

# Relative links, so the installed tree can be moved or packaged (DESTDIR).
install(CODE [[
  set(tp_bin "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
  file(MAKE_DIRECTORY "${tp_bin}")
  foreach(program IN ITEMS tolvanix-plimbora tolvanix-plimbora-questions)
    file(CREATE_LINK "../lib/tolvanix-plimbora/${program}" "${tp_bin}/${program}" SYMBOLIC)
    message(STATUS "Installing: ${tp_bin}/${program} (link)")
  endforeach()
]])

install(FILES "${tp_assets}/tolvanix-plimbora.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${tp_assets}/io.github.tolvanix.plimbora.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(DIRECTORY "${tp_assets}/icons/hicolor" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons")
install(FILES "${tp_assets}/icon32.png" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps"
        RENAME tolvanix-plimbora.png)
install(CODE "set(tp_licence \"${PROJECT_SOURCE_DIR}/LICENSE\")")
install(CODE [[
  if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    file(INSTALL "${tp_licence}" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/doc/tolvanix-plimbora")
  endif()
]])
