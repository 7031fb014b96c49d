# Shared by the set-up, run and test scripts. Sourced, not run.
set -euo pipefail

SLVN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

slvn_as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs every Debian package listed in the given files.
slvn_install_packages() {
    local wanted=() missing=()
    for list in "$@"; do
        while read -r pkg; do
            [ -n "$pkg" ] && wanted+=("$pkg")
        done < <(grep -v '^\s*#' "$list")
    done
    for pkg in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        slvn_as_root apt-get update -qq
        slvn_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# Configures one build folder: slvn_configure DIR [cmake options...]
slvn_configure() {
    local dir="$1"; shift
    local launcher=()
    if command -v ccache >/dev/null; then
        export CCACHE_SLOPPINESS=time_macros,include_file_mtime,include_file_ctime
        export CCACHE_BASEDIR="$SLVN_ROOT"
        # The cache holds the sanitizer, VM and fuzz builds at once; bounded
        # so that it never fills a small disk that the builds themselves need.
        export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-3G}"
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S "$SLVN_ROOT" -B "$dir" -G Ninja "${launcher[@]}" "$@"
}

# Configures and builds one build folder: slvn_build DIR [cmake options...]
slvn_build() {
    local dir="$1"; shift
    slvn_configure "$dir" "$@"
    cmake --build "$dir" --parallel "${SLVN_JOBS:-$(nproc)}"
}

# The application as the run command builds and starts it. The test command
# builds it with this same function and starts this very executable; the ALSA
# VM tests are built in the same folder, so that both share its objects.
SLVN_APP_BUILD="$SLVN_ROOT/build/release"
SLVN_APP_EXECUTABLE="$SLVN_APP_BUILD/src/solivane-librarian"
slvn_build_application() {
    slvn_configure "$SLVN_APP_BUILD" -DCMAKE_BUILD_TYPE=Release -DSLVN_BUILD_TESTS=ON
    cmake --build "$SLVN_APP_BUILD" --parallel "${SLVN_JOBS:-$(nproc)}" --target solivane-librarian
}
