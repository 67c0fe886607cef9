# Shared by scripts/run and scripts/test: install the missing Debian packages
# named in scripts/packages.txt, then configure and build with the given preset.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

# Whether package $1 is installed, at version $2 $3 when given ("(>= 1:2)" as ">=" "1:2").
installed() {
    local version
    version=$(dpkg-query -W -f='${Status} ${Version}' "$1" 2>/dev/null) || return 1
    [[ $version == "install ok installed "* ]] || return 1
    [ -z "${2:-}" ] || dpkg --compare-versions "${version##* }" "$2" "$3"
}

# The first alternative of "a (>= v) | b" that is installed, else the first this
# release offers at the wanted version; the line as it stands when none fits.
choose() {
    local alternative name relation version candidate
    local -a alternatives
    IFS='|' read -ra alternatives <<<"$1"
    for alternative in "${alternatives[@]}"; do
        read -r name relation version <<<"${alternative//[()]/ }"
        installed "$name" "$relation" "$version" && { echo "="; return; }
    done
    for alternative in "${alternatives[@]}"; do
        read -r name relation version <<<"${alternative//[()]/ }"
        candidate=$(apt-cache policy "$name" 2>/dev/null | sed -n 's/^ *Candidate: //p')
        [ -n "$candidate" ] && [ "$candidate" != "(none)" ] || continue
        [ -z "$relation" ] || dpkg --compare-versions "$candidate" "$relation" "$version" || continue
        echo "$name"
        return
    done
    echo "$1"
}

install_packages() {
    local line choice missing=() alternatives=()
    while read -r line; do
        if [[ $line == *"|"* ]]; then
            alternatives+=("$line")
        elif ! installed "$line"; then
            missing+=("$line")
        fi
    done < <(grep -v -E '^\s*(#|$)' scripts/packages.txt)
    local -a unresolved=()
    for line in "${alternatives[@]}"; do
        choice=$(choose "$line")
        [ "$choice" = "=" ] && continue
        [ "$choice" = "$line" ] && unresolved+=("$line") || missing+=("$choice")
    done
    [ ${#missing[@]} -eq 0 ] && [ ${#unresolved[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    # Alternatives are chosen from the package lists just updated.
    for line in "${unresolved[@]}"; do
        choice=$(choose "$line")
        [ "$choice" = "$line" ] && { echo "No package of this release fits: $line" >&2; return 1; }
        [ "$choice" = "=" ] || missing+=("$choice")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

build() {
    local preset=$1
    cmake --preset "$preset"
    cmake --build --preset "$preset"
}
