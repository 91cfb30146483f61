# Shared by scripts/run and scripts/test: install what is missing, build.
# Sourced, not run.

project_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="$project_root/build"

# What building Kurswaage needs on Debian 12, and Qt's German texts, which
# it shows when they are there.
build_packages=(cmake make g++ qtbase5-dev qtbase5-dev-tools qttranslations5-l10n)

# Installs the Debian packages among "$@" that are not installed yet.
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "Missing packages: ${missing[*]}. Install them as root (apt-get install ${missing[*]})." >&2
            exit 1
        fi
    fi
    echo "Installing ${missing[*]} ..."
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures (once) and builds the tree in the directory $1 (default build/)
# with the extra CMake arguments that follow.
build_kurswaage() {
    local dir=${1:-$build_dir}
    shift || true
    cmake -S "$project_root" -B "$dir" "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}
