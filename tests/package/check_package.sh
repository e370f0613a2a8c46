#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks what it holds, its
# declared dependencies, and that the installed programs find their files.
set -euo pipefail
build="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb="$(ls "$out"/*.deb)"
list="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for f in ./usr/bin/t40 ./usr/bin/t40-cli ./usr/bin/t40-radio-emulator \
         ./usr/share/t40/Init.dat ./usr/share/t40/help/general.htm \
         ./usr/share/applications/t40-programmer.desktop ./usr/share/mime/packages/t40-programmer.xml \
         ./usr/share/icons/hicolor/128x128/apps/t40-programmer.png ./usr/lib/udev/rules.d/60-t40-cable.rules; do
    grep -qx -- "$f" <<<"$list" || { echo "missing from the package: $f"; exit 1; }
done
if grep -E 'test_|buildtools|make_template|\.a$|/bin/Init\.dat|/bin/help' <<<"$list"; then
    echo "the package holds files it must not ship"; exit 1
fi
depends="$(dpkg-deb -f "$deb" Depends)"
for d in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6printsupport6; do
    grep -q "$d" <<<"$depends" || { echo "Depends lacks $d: $depends"; exit 1; }
done
grep -qx 'MimeType=application/x-t40-rdat;' <(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/t40-programmer.desktop) \
    || { echo "the desktop file declares no MIME type"; exit 1; }
grep -qx 'Exec=t40 %f' <(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/t40-programmer.desktop) \
    || { echo "the desktop file does not pass the file to open"; exit 1; }
# Unpacked elsewhere, the virtual radio finds the factory image in ../share/t40.
dpkg-deb -x "$deb" "$out/root"
timeout 3 "$out/root/usr/bin/t40-radio-emulator" >/dev/null 2>"$out/err" || true
if grep -q "Init.dat" "$out/err"; then cat "$out/err"; exit 1; fi
echo "package ok: $(basename "$deb")"
