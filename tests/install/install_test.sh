#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the files an installed
# Lumo needs, and runs the desktop's validators on them (each skipped with a
# message when it is not on this machine).
set -euo pipefail
build=$1
prefix=$(mktemp -d "${TMPDIR:-/tmp}/lumo-install-XXXXXX")
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

id=example.lumo.Lumo
expected=(
  bin/lumo
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/man/man1/lumo.1.gz
  share/doc/lumo/Lumo.html
  share/doc/lumo/LICENSE
  share/doc/lumo/copyright
  share/lumo/translations/lumo_de.qm
  share/lumo/translations/lumo_es.qm
  share/lumo/translations/lumo_fr.qm
  share/lumo/translations/lumo_ja.qm
  share/lumo/translations/lumo_pl.qm
  share/lumo/translations/lumo_pt_BR.qm
  share/lumo/translations/lumo_ru.qm
)
for size in 16 22 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png"); done
status=0
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || { echo "missing: $file"; status=1; }
done
[ -x "$prefix/bin/lumo" ] || { echo "bin/lumo is not executable"; status=1; }

# Every picture the guide shows is installed beside it.
for picture in $(grep -o 'src="[^"]*"' "$prefix/share/doc/lumo/Lumo.html" | cut -d'"' -f2); do
  [ -f "$prefix/share/doc/lumo/$picture" ] || { echo "the guide's picture $picture is not installed"; status=1; }
done
# Nothing else lands outside the program's own places.
unexpected=$(cd "$prefix" && find . -type f | sed 's|^\./||' |
  grep -v -E '^(bin/lumo|share/(applications|metainfo)/example\.lumo\.Lumo\.|share/man/man1/lumo\.1\.gz|share/doc/lumo/|share/lumo/translations/lumo_[a-zA-Z_]+\.qm$|share/icons/hicolor/[0-9]+x[0-9]+/apps/example\.lumo\.Lumo\.png)' || true)
[ -z "$unexpected" ] || { echo "unexpected files installed:"; echo "$unexpected"; status=1; }

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$id.desktop" || status=1
else
  echo "skipped: desktop-file-validate is not installed"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" || status=1
else
  echo "skipped: appstreamcli is not installed"
fi
exit $status
