#!/usr/bin/env bash
# Runs pellucor-cli over the bundled sample site: every page is converted to Shift_JIS as a
# downloaded page would be, written under out/demo/, and its title shown.
set -euo pipefail
cli=${1:?usage: demo.sh PATH-TO-pellucor-cli}
cd "$(dirname "$0")/.."
site=samples/site
out=out/demo
rm -rf "$out"
mkdir -p "$out"
find "$site" -name '*.html' | sort | while read -r page; do
  target="$out/${page#"$site"/}"
  mkdir -p "$(dirname "$target")"
  "$cli" to-sjis "$page" -o "$target"
  title=$(iconv -f CP932 -t UTF-8 "$target" | sed -n 's:.*<title>\(.*\)</title>.*:\1:p')
  printf '%-36s %6d bytes -> %-30s %6d bytes Shift_JIS  %s\n' \
    "$page" "$(stat -c %s "$page")" "$target" "$(stat -c %s "$target")" "$title"
done
echo "Converted pages are in $out/."
