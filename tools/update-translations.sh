#!/usr/bin/env bash
# Collects the source texts of the program into the four translation files.
# New texts arrive as unfinished entries; translate them (Qt Linguist or an
# editor), then run the test "translations_complete".
# Never run by the build: the .ts files are sources, kept in git.
# With a folder argument the files in that folder are updated instead
# (the completeness test works on copies that way).
set -euo pipefail
VELK_ROOT="$(cd "$(dirname "$0")/.." && pwd)"
LUPDATE="${LUPDATE:-lupdate}"
TS_DIR="$(cd "${1:-$VELK_ROOT/translations}" && pwd)"
cd "$VELK_ROOT"
dirs=()
for dir in app config archive liveview dialogs widgetkit analysis; do
    [ -d "$dir" ] && dirs+=("$dir")
done
for lang in en de fr es; do
    # No line numbers: they would change with every edit of the code and
    # make the files hard to merge.
    "$LUPDATE" -silent -locations none -no-obsolete -source-language zh_CN -target-language "$lang" \
        "${dirs[@]}" -ts "$TS_DIR/Main_$lang.ts"
done
echo "Updated $TS_DIR/Main_{en,de,fr,es}.ts"
