#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch DESTDIR and validates what a desktop reads.
# Usage: install_check.sh BUILD_DIR
set -euo pipefail
build=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
root="$dest/usr"
for f in bin/lentaro share/applications/org.example.Lentaro.desktop \
    share/metainfo/org.example.Lentaro.metainfo.xml \
    share/icons/hicolor/32x32/apps/org.example.Lentaro.png \
    share/icons/hicolor/256x256/apps/org.example.Lentaro.png \
    share/lentaro/HELP_LT.HLP share/lentaro/HELP_LT.th.HLP share/man/man1/lentaro.1.gz; do
    [ -e "$root/$f" ] || { echo "missing: $f"; exit 1; }
done
desktop-file-validate "$root/share/applications/org.example.Lentaro.desktop"
appstreamcli validate --no-net --pedantic "$root/share/metainfo/org.example.Lentaro.metainfo.xml"
exec_line=$(sed -n 's/^Exec=//p' "$root/share/applications/org.example.Lentaro.desktop")
[ -x "$root/bin/$exec_line" ] || { echo "Exec=$exec_line is not the installed binary"; exit 1; }
# The manual page is made from the help text: it must name every option --help does.
page=$(gzip -dc "$root/share/man/man1/lentaro.1.gz")
for option in $("$root/bin/lentaro" --help | grep -o -- '--[a-z]*'); do
    [[ $page == *"\\-\\-${option#--}"* ]] || { echo "manual page lacks $option"; exit 1; }
done
echo "install check passed"
