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

# Fetches Debian's source package $1 at version $2 into the folder $3 and
# unpacks it, with Debian's patches applied, into $3/source. It goes
# through a deb-src entry of our own: a private apt configuration with its
# own lists, so the machine's sources stay as they are.
fetch_debian_source() {
    local package=$1 version=$2 work=$3
    mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial"
    local archive
    for archive in "debian bookworm" "debian bookworm-updates" "debian-security bookworm-security"; do
        echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/${archive% *} ${archive#* } main"
    done >"$work/apt/sources.list"
    local apt_private=(-o "Dir::Etc::SourceList=$work/apt/sources.list" -o Dir::Etc::SourceParts=/nonexistent
                       -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache")
    echo "Fetching $package $version ..." >&2
    apt-get "${apt_private[@]}" -qq update >&2
    (cd "$work" && apt-get "${apt_private[@]}" -qq --download-only source "$package=$version" >&2)
    # apt has checked the files against the archive's signed index;
    # dpkg-source unpacks them and applies Debian's patches.
    (cd "$work" && dpkg-source -x ./*.dsc source >&2)
}
