# Sourced by ./run, ./test, ./bench and ./package: installs the missing Debian packages, then
# configures and builds the project into the given folder.
set -euo pipefail

KTV_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n libjpeg62-turbo-dev libssl-dev
    fonts-liberation2 fonts-dejavu-core fonts-wine xvfb xauth poppler-utils
    # the packaging tests: validators, window properties, typing, the desktop launcher (gio)
    desktop-file-utils appstream x11-utils xdotool libglib2.0-bin
    # the program folder: run paths of the bundled libraries, the plugins it carries (the Wayland
    # platform too, which the tests run under weston)
    patchelf qt6-wayland qt6-gtk-platformtheme qt6-xdgdesktopportal-platformtheme weston
    # the bare-system test; the start-up of whole programs on an X server (benchmarks/)
    debootstrap xclip libxcb-damage0-dev)

ktv_install_missing() {
    local missing=()
    for p in "${KTV_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# ktv_build <folder> [cmake options...]
ktv_build() {
    local dir=$1
    shift
    ktv_install_missing
    local root
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    local werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    cmake -S "$root" -B "$root/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKTV_WERROR=$werror "$@" >/dev/null
    cmake --build "$root/$dir"
}

# ktv_build_sanitizers: the same build with AddressSanitizer and UndefinedBehaviorSanitizer, in
# build-sanitizers/, and the run-time options under which any report ends the run with an error.
ktv_build_sanitizers() {
    local sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    # GCC's flow analysis sees through the instrumented code poorly and reports uninitialised
    # values that the normal build proves initialised; the sanitizers check them at run time.
    ktv_build build-sanitizers -DCMAKE_CXX_FLAGS="$sanitizers -Wno-maybe-uninitialized" \
        -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" -DCMAKE_SHARED_LINKER_FLAGS="$sanitizers"
    export ASAN_OPTIONS=abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
}
