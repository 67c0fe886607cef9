# Shared by scripts/run and scripts/test: install the missing Debian packages
# named in scripts/packages.txt, then configure and build with the given preset.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

install_packages() {
    local wanted missing=()
    wanted=$(grep -v -E '^\s*(#|$)' scripts/packages.txt)
    for p in $wanted; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

build() {
    local preset=$1
    cmake --preset "$preset"
    cmake --build --preset "$preset"
}
