#!/bin/sh
# Makes the Debian package from the build folder, lists its files and dependencies, checks
# that both programs, the desktop entry, the icon, the MIME type and both manual pages are
# in it and that its dependencies name the Qt 6 libraries, then runs the command line from
# the unpacked package.  usage: package-contents.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1
source=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" > "$out/cpack.log") || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/zonalyst_*.deb)
echo "package: $(basename "$deb")"
dpkg-deb -c "$deb" | awk '{print $NF}' | tee "$out/files"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"

status=0
for file in usr/bin/zonalyst usr/bin/zonalyst-cli usr/share/applications/zonalyst.desktop \
    usr/share/icons/hicolor/scalable/apps/zonalyst.svg usr/share/mime/packages/zonalyst.xml \
    usr/share/man/man1/zonalyst.1 usr/share/man/man1/zonalyst-cli.1; do
  grep -qx "\./$file" "$out/files" || { echo "missing from the package: /$file"; status=1; }
done
for library in libqt6core6 libqt6gui6 libqt6widgets6; do
  case "$depends" in *"$library"*) ;; *) echo "no dependency on $library"; status=1 ;; esac
done

dpkg -x "$deb" "$out/root"
"$out/root/usr/bin/zonalyst-cli" report "$source/examples/6in-f8-paraboloid-moving.fdr" | grep -q "Strehl Ratio" ||
  { echo "the unpacked zonalyst-cli does not report"; status=1; }
exit $status
