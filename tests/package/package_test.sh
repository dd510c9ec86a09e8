#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a scratch root (as dpkg would
# install it, without touching the system) and runs the installed headless program on an example.
#   package_test.sh CPACK BUILD_DIR
set -euo pipefail
cpack=$1
build=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && "$cpack" -G DEB -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/tovaris_*.deb)
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || { echo "no Qt dependency declared"; exit 1; }

root=$scratch/root
dpkg -x "$deb" "$root"
for file in usr/bin/tovaris usr/bin/tovaris-cli usr/share/applications/tovaris.desktop \
    usr/share/icons/hicolor/scalable/apps/tovaris.svg usr/share/mime/packages/tovaris.xml \
    usr/share/doc/tovaris/user-guide.md usr/share/tovaris/examples/Custodial.QCF; do
    [ -e "$root/$file" ] || { echo "missing from the package: /$file"; exit 1; }
done
grep -q '^Exec=tovaris %f$' "$root/usr/share/applications/tovaris.desktop"
grep -q '^MimeType=application/x-tovaris-case;application/x-tovaris-declaration;$' \
    "$root/usr/share/applications/tovaris.desktop"
grep -q 'pattern="\*.QCF"' "$root/usr/share/mime/packages/tovaris.xml"
# Every picture the installed guide shows is installed beside it.
grep -o 'images/[A-Za-z0-9_.-]*\.png' "$root/usr/share/doc/tovaris/user-guide.md" | sort -u |
    while read -r picture; do
        [ -e "$root/usr/share/doc/tovaris/$picture" ] || { echo "guide picture missing: $picture"; exit 1; }
    done

out=$("$root/usr/bin/tovaris-cli" childsupport "$root/usr/share/tovaris/examples/Custodial.QCF")
echo "$out" | grep -q '"stopped":null' || { echo "installed tovaris-cli failed: $out"; exit 1; }
echo "$out" | grep -q '"ChildSupportTransfer"' || { echo "no transfer in: $out"; exit 1; }
"$root/usr/bin/tovaris-cli" --version
