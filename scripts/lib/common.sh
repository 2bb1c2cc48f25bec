# Shared by the scripts: installs what a fresh Debian 12 machine lacks, and
# stays quiet when everything is present.

# Packages every build needs.
TRELVIN_BUILD_PACKAGES=(cmake ninja-build g++ libboost-math-dev qt6-base-dev fonts-dejavu-core)

ensure_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing ${missing[*]} ..."
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# A comma-decimal locale, so the tests can show that no text depends on it.
ensure_locale() {
    local name=$1 language=${1%%.*}
    locale -a 2>/dev/null | grep -qix "${language}.utf8" && return 0
    ensure_packages locales
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Generating the ${name} locale ..."
    "${sudo[@]}" localedef -i "$language" -c -f UTF-8 "$name"
}

# Configures and builds a preset quietly; on failure shows the build's log.
build_preset() {
    local preset=$1 log=build/$1-build.log
    mkdir -p build
    if ! { cmake --preset "$preset" && cmake --build --preset "$preset"; } >"$log" 2>&1; then
        cat "$log"
        return 1
    fi
}

cd_to_project() {
    cd "$(dirname "${BASH_SOURCE[0]}")/../.." || exit 1
}
