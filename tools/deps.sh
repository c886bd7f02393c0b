# Sourced by ./run and ./test: installs the Debian packages the build and
# the tests need, only those that are missing.
VELK_PACKAGES="cmake make g++ pkg-config
qtbase5-dev qtmultimedia5-dev qttools5-dev qttools5-dev-tools
libqt5multimedia5-plugins gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
libqt5svg5 fonts-wqy-microhei
libopencv-core-dev libopencv-imgproc-dev libopencv-videoio-dev
libudev-dev"

velk_install_packages() {
    local missing=()
    local pkg
    for pkg in $VELK_PACKAGES "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq || return 1
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# velk_build BUILD_DIR [TARGET...]: configures and builds everything, or only
# the targets named (the program alone needs no test programs).
velk_build() {
    local build_dir="$1"
    shift
    cmake -S "$VELK_ROOT" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || return 1
    if [ $# -gt 0 ]; then
        cmake --build "$build_dir" --parallel "$(nproc)" --target "$@"
    else
        cmake --build "$build_dir" --parallel "$(nproc)"
    fi
}

# Runs a command with the folder CAMERA mounted as a camera volume at
# /media/VELK-Q4815, inside a private mount namespace (nothing shows outside
# it). Needs root; returns 99 without running the command where it cannot.
velk_run_with_camera_volume() {
    local camera="$1"
    shift
    [ "$(id -u)" -eq 0 ] && unshare -m --propagation private true 2>/dev/null || return 99
    CAMERA="$camera" unshare -m --propagation private sh -c '
        mount -t tmpfs -o size=1m velk-media /media &&
        mkdir /media/VELK-Q4815 &&
        mount -t tmpfs -o size=64m velk-camera /media/VELK-Q4815 &&
        cp -a "$CAMERA/." /media/VELK-Q4815/ &&
        exec "$@"' sh "$@"
}
