# Shared by scripts/run and scripts/test: install what is missing, build.
# Sourced, not run.

project_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="$project_root/build"

# What building Kurswaage needs on Debian 12, and Qt's German texts, which
# it shows when they are there.
build_packages=(cmake make g++ qtbase5-dev qtbase5-dev-tools qttranslations5-l10n)

# Installs the Debian packages among "$@" that are not installed yet. All it
# and apt-get say goes to standard error: scripts whose standard output a
# caller captures call it too.
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
    echo "Installing ${missing[*]} ..." >&2
    "${sudo[@]}" apt-get update -qq >&2
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" \
        </dev/null >&2
}

# For scripts that answer with one line on standard output: keeps that
# line's way out as file descriptor 3 and sends everything else the script
# and the programs it starts print to standard error. Answer with >&3.
answer_on_fd3() {
    exec 3>&1 1>&2
}

# Runs the script "$@", which answers with the folder it made, and prints
# that folder. Stops with a clear message when the answer is not exactly one
# line naming an existing folder: then something has talked on standard
# output, or the script failed.
captured_directory() {
    local answer
    answer=$("$@") || { echo "$1 failed." >&2; exit 1; }
    if [ -z "$answer" ] || [ "$(printf '%s\n' "$answer" | wc -l)" -ne 1 ] || [ ! -d "$answer" ]; then
        echo "$1 should print one line naming an existing folder, but printed:" >&2
        printf '%s\n' "$answer" | head -20 >&2
        exit 1
    fi
    printf '%s\n' "$answer"
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
# through deb-src entries of our own, made from this machine's deb entries
# (tools/apt_sources.py: the same mirrors, suites and keyrings), in a
# private apt configuration with its own lists, so the machine's sources
# stay as they are.
fetch_debian_source() {
    local package=$1 version=$2 work=$3
    mkdir -p "$work/apt/sources.list.d" "$work/apt/lists/partial" "$work/apt/cache/archives/partial"
    python3 "$project_root/tools/apt_sources.py" --type deb-src >"$work/apt/sources.list.d/machine.sources"
    local apt_private=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
                       -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache")
    echo "Fetching $package $version ..." >&2
    apt-get "${apt_private[@]}" -qq update >&2
    (cd "$work" && apt-get "${apt_private[@]}" -qq --download-only source "$package=$version" >&2)
    # apt has checked the files against the archive's signed index;
    # dpkg-source unpacks them and applies Debian's patches.
    (cd "$work" && dpkg-source -x ./*.dsc source >&2)
}

# Makes a minimal root of the Debian release $1 (bookworm, trixie) in the
# folder $2 with debootstrap, from this machine's own archives with the
# release's suites, and gives it this machine's keyrings, name servers and
# the certificate authorities it trusts beyond Debian's (a proxy's, say,
# which npm's https needs as well; the root's ca-certificates takes them in
# when a package installs it). Needs root.
make_debian_root() {
    local release=$1 root=$2 mirror keyring key
    { read -r mirror && read -r keyring; } < <(python3 "$project_root/tools/apt_sources.py" --release "$release" --mirror) \
        || return
    debootstrap --variant=minbase --keyring="$keyring" "$release" "$root" "$mirror" >&2 || return
    rm -f "$root/etc/apt/sources.list"
    python3 "$project_root/tools/apt_sources.py" --release "$release" >"$root/etc/apt/sources.list.d/machine.sources" \
        || return
    for key in $(sed -n 's|^Signed-By: */|/|p' "$root/etc/apt/sources.list.d/machine.sources"); do
        [ -e "$root$key" ] || install -D -m 644 "$key" "$root$key" || return
    done
    cp /etc/resolv.conf "$root/etc/resolv.conf" || return
    if compgen -G "/usr/local/share/ca-certificates/*" >/dev/null; then
        mkdir -p "$root/usr/local/share/ca-certificates" &&
            cp -a /usr/local/share/ca-certificates/. "$root/usr/local/share/ca-certificates/" || return
    fi
    # Packages' maintainer scripts start no services in a root without init.
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d" && chmod +x "$root/usr/sbin/policy-rc.d"
}

# Installs the npm packages that the package-lock.json in the folder $1
# names, each checked against its digest there, into the folder $2. They
# go into $2.installing first and move into place only once npm ci has
# succeeded: a lock file in $2 means its packages are there, so an install
# cut short (a network gone, say) is tried again the next time.
install_node_packages() {
    local from=$1 into=$2
    cmp -s "$from/package-lock.json" "$into/package-lock.json" 2>/dev/null && return 0
    rm -rf "$into" "$into.installing"
    mkdir -p "$into.installing"
    cp "$from/package.json" "$from/package-lock.json" "$into.installing/"
    (cd "$into.installing" && npm ci --no-audit --no-fund --silent >&2)
    mv "$into.installing" "$into"
}
