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
install(FILES "${tp_assets}/vragen.ini" DESTINATION "${tp_game_dir}")

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
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/tolvanix-plimbora")
