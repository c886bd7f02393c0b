#!/usr/bin/env bash
# Takes the README's screenshots of the four pages under Xvfb, on the demo
# pictures: tools/screenshots.sh [OUTDIR]   (default docs/screenshots)
set -euo pipefail
VELK_ROOT="$(cd "$(dirname "$0")/.." && pwd)"
source "$VELK_ROOT/tools/deps.sh"
velk_install_packages xvfb xauth
BUILD_DIR="${VELK_BUILD_DIR:-$VELK_ROOT/build}"
velk_build "$BUILD_DIR" screenshots makedemo translations
OUT="$(mkdir -p "${1:-$VELK_ROOT/docs/screenshots}" && cd "${1:-$VELK_ROOT/docs/screenshots}" && pwd)"
DEMO="$(mktemp -d /tmp/velk-shots-XXXXXX)"
trap 'rm -rf "$DEMO"' EXIT
"$BUILD_DIR/bin/makedemo" "$DEMO/home" "$DEMO/camera" >/dev/null
export HOME="$DEMO/home" LANG=C.UTF-8
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
# English interface, as a newcomer would choose it.
mkdir -p "$HOME/Documents/VELKThermal/SystemCON"
printf '[setting]\nlanguage=English\n' > "$HOME/Documents/VELKThermal/SystemCON/IniFormat.ini"
SHOT=(xvfb-run -a -s "-screen 0 1280x860x24" "$BUILD_DIR/bin/screenshots" "$OUT")
# As root the camera folder becomes a volume of its own, so the archive page
# shows the camera group as with a camera.
status=0
velk_run_with_camera_volume "$DEMO/camera" "${SHOT[@]}" || status=$?
if [ "$status" -eq 99 ]; then
    "${SHOT[@]}"
else
    exit "$status"
fi
