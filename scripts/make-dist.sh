#!/usr/bin/env bash
# Makes everything users download, in dist/ (made anew on each run):
#
#   tolvanix-plimbora_VERSION_amd64.deb       the Debian package (CPack)
#   tolvanix-plimbora-VERSION-win32.zip, -win64.zip
#                                             the games to unpack anywhere
#   tolvanix-plimbora-VERSION-win32.msi, -win64.msi
#                                             the Windows installers (wixl)
#   web/                                      the web game, a static folder
#   SHA256SUMS                                every file's checksum
#
# VERSION is the CMake project's version; the newest entries of the AppStream
# release list and of the Debian changelog must name it too.
# Builds what it packs with the release, win32, win64 and web presets.
#
#   scripts/make-dist.sh
set -euo pipefail
cd "$(dirname "$0")/.."

for preset in release win32 win64; do
  echo "=== dist: build the game and the question tool ($preset)"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)" --target tolvanix-plimbora tolvanix-plimbora-questions
done
echo "=== dist: build the web game"
cmake --preset web >/dev/null
cmake --build --preset web -j "$(nproc)"

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' build/release/CPackConfig.cmake)
[ -n "$version" ] || { echo "dist: no version in build/release/CPackConfig.cmake" >&2; exit 1; }
metainfo_version=$(grep -o -m1 '<release version="[^"]*"' assets/io.github.tolvanix.plimbora.metainfo.xml | cut -d'"' -f2)
changelog_version=$(sed -n '1s/^tolvanix-plimbora (\([^)]*\)).*/\1/p' packaging/debian/changelog)
if [ "$metainfo_version" != "$version" ] || [ "$changelog_version" != "$version" ]; then
  echo "dist: the project's version is $version, but the newest AppStream release is" \
       "\"$metainfo_version\" and the newest changelog entry \"$changelog_version\": add the release to both" >&2
  exit 1
fi

rm -rf dist
mkdir dist
stages=$(mktemp -d)
trap 'rm -rf "$stages"' EXIT

echo "=== dist: the Debian package"
(cd build/release && cpack -G DEB -B "$stages/deb" >/dev/null)
mv "$stages"/deb/*.deb dist/

# A text file as Windows tools show it best: with CR LF line ends.
crlf() { sed 's/\r$//; s/$/\r/' "$1" > "$2"; }

for preset in win32 win64; do
  echo "=== dist: the $preset zip and installer"
  stage="$stages/$preset/tolvanix-plimbora"
  mkdir -p "$stage"
  cp "build/$preset/app/tolvanix-plimbora.exe" "build/$preset/app/tolvanix-plimbora-questions.exe" "$stage/"
  crlf assets/vragen.ini "$stage/vragen.ini"
  crlf assets/windows-readme.txt "$stage/README.txt"
  crlf LICENSE "$stage/LICENSE.txt"
  zip="$PWD/dist/tolvanix-plimbora-$version-$preset.zip"
  (cd "$stages/$preset" && cmake -E tar cf "$zip" --format=zip tolvanix-plimbora)
  scripts/make-windows-installer.sh "$stage" assets/icon.ico "$version" "$preset" \
    "dist/tolvanix-plimbora-$version-$preset.msi"
done

scripts/make-web-dist.sh
(cd dist && find . -type f ! -name SHA256SUMS -printf '%P\n' | LC_ALL=C sort | xargs -d '\n' sha256sum -- > SHA256SUMS)
echo "=== dist: version $version"
ls -l dist
