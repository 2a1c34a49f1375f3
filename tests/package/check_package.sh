#!/bin/sh
# Builds the Debian package from a finished build, unpacks it into a scratch
# root as dpkg would install it, and checks what a desktop needs of it.
# Usage: check_package.sh BUILD_DIR APP_ID "ICON_SIZES" VERSION
set -eu
build=$1 id=$2 sizes=$3 version=$4
[ -n "$sizes" ] || { echo "FAIL: no icon sizes given"; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack did not build the package"; }
deb=$(ls "$scratch"/out/tidrel_"$version"_*.deb) || fail "no tidrel_${version}_*.deb"
echo "built $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"

# The libraries come from dpkg-shlibdeps, with their versions.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6webenginewidgets6 libqt6webenginecore6 \
           libexpat1 libcurl4 libc6; do
    echo "$depends" | grep -Eq "(^|, )$lib(:any)? \(>= [^)]+\)" || fail "Depends does not name $lib with a version"
done

root=$scratch/root
dpkg -x "$deb" "$root"
! dpkg-deb -c "$deb" | grep -v ' root/root ' || fail "files not owned by root"

file -b "$root/usr/bin/tidrel" | grep -q '^ELF .* executable' || fail "usr/bin/tidrel is no program"
file -b "$root/usr/bin/tidrel" | grep -q ', stripped' || fail "usr/bin/tidrel is not stripped"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/tidrel" --version)" = "Tidrel $version" ] ||
    fail "the installed program does not answer --version"

# The desktop entry under the application id, opening feed files from the
# file manager with the theme's icon.
entry=$root/usr/share/applications/$id.desktop
desktop-file-validate "$entry" || fail "desktop entry not valid"
grep -qx 'Exec=tidrel %F' "$entry" || fail "Exec does not take files"
grep -Eqx 'MimeType=application/rss\+xml;application/xml;(.*;)?' "$entry" || fail "MimeType misses feeds"
icon=$(sed -n 's/^Icon=//p' "$entry")

for size in $sizes; do
    png=$root/usr/share/icons/hicolor/${size}x$size/apps/$icon.png
    file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "no ${size}x$size icon: $png"
done
file -b "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" | grep -q '^SVG' || fail "no scalable icon"

# AppStream checks the metainfo against the desktop entry and icons it finds
# in the tree.
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "metainfo not valid"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
appstreamcli validate-tree --no-net "$root" || fail "installed tree not valid for AppStream"

man=$root/usr/share/man/man1/tidrel.1.gz
gzip -t "$man" || fail "manual page not gzipped"
MANWIDTH=80 man --warnings -l "$man" >"$scratch/man.txt" 2>"$scratch/man.log" && [ ! -s "$scratch/man.log" ] ||
    { cat "$scratch/man.log"; fail "manual page does not format cleanly"; }
for option in --check --help --version; do
    grep -q -- "$option" "$scratch/man.txt" || fail "manual page does not describe $option"
done

echo "package checked: $(dpkg-deb -c "$deb" | wc -l) entries"
