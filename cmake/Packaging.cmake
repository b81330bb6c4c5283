# The Debian package, made by CPack from the installed layout under /usr
# (see Install.cmake): `cpack --config build/release/CPackConfig.cmake`, or
# scripts/make-dist.sh for everything users download.
if(NOT TARGET tolvanix-plimbora OR CMAKE_CROSSCOMPILING)
  return()
endif()

set(tp_packaging "${PROJECT_SOURCE_DIR}/packaging")

# What Debian asks of every package's documentation folder, in place of the
# plain licence text that other prefixes get.
install(CODE "set(tp_debian_files \"${tp_packaging}/debian\")")
install(CODE [[
  if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    file(INSTALL "${tp_debian_files}/copyright" DESTINATION /usr/share/doc/tolvanix-plimbora)
    set(tp_doc "$ENV{DESTDIR}/usr/share/doc/tolvanix-plimbora")
    # -n: no name or time stamp, so the same changelog packs the same bytes.
    execute_process(COMMAND gzip -9n -c "${tp_debian_files}/changelog"
                    OUTPUT_FILE "${tp_doc}/changelog.gz" COMMAND_ERROR_IS_FATAL ANY)
    message(STATUS "Installing: ${tp_doc}/changelog.gz")
  endif()
]])

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvanix-plimbora)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Tolvanix Plimbora developers")
set(CPACK_PACKAGE_CONTACT "The Tolvanix Plimbora developers <plimbora@tolvanix.github.io>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quiz that buys time on a falling-block board")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/package")
# The install rules look at the prefix itself (the question file goes to
# /etc under /usr), so CPack must install with the real prefix into a staging
# folder rather than with the staging folder as the prefix.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Education rather than games: Debian keeps games in /usr/games, and this
# package follows the layout of every other install, with its links in bin/.
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[Answer a multiple-choice question correctly and you get about twenty
seconds to steer the falling pieces; answer wrongly and the game tells you
the right answer, shoves the piece aside and drops it. Every full row
scores 10 points.

The questions come from /etc/tolvanix-plimbora/vragen.ini, a plain text
file that families and teachers can rewrite; the package keeps an edited
file over upgrades. tolvanix-plimbora-questions checks a question file the
way the game reads it and makes one from a spreadsheet saved as CSV.]])
# The libraries come from the binaries; the Qt platform plugins are loaded
# at run time, so no library dependency names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The question file is configuration: dpkg keeps an edited one on upgrade
# and removes it only on purge.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${tp_packaging}/debian/conffiles")

include(CPack)
