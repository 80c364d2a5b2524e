#!/usr/bin/env bash
# The user guide is valid HTML with no warnings, and each picture it shows
# exists and has a text for readers who see no images.
set -euo pipefail
guide=$1
folder=$(dirname "$guide")
status=0
if command -v tidy >/dev/null; then
  tidy -quiet -errors "$guide" || { echo "tidy found faults in $guide"; status=1; }
else
  echo "skipped: tidy is not installed"
fi
while read -r img; do
  case "$img" in *' alt="'?*) ;; *) echo "a picture without a text: $img"; status=1 ;; esac
  file=$(printf '%s' "$img" | grep -o 'src="[^"]*"' | cut -d'"' -f2)
  [ -f "$folder/$file" ] || { echo "missing picture: $file"; status=1; }
done < <(grep -o '<img [^>]*>' "$guide")
exit $status
