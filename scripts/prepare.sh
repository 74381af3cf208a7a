# Sourced by ./run, ./test and ./bench: installs the missing Debian packages, then configures
# and builds the project into the given folder.
set -euo pipefail

KTV_PACKAGES=(cmake ninja-build g++ qt6-base-dev libjpeg62-turbo-dev libssl-dev
    fonts-liberation2 fonts-dejavu-core fonts-wine xvfb xauth poppler-utils)

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
