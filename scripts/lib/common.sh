# Shared by the project's scripts: the Debian packages Velorm needs and the build steps.

VELORM_PACKAGES=(
    cmake ninja-build ccache pkg-config g++
    qt6-base-dev libgl-dev
    libcairo2-dev libpango1.0-dev fonts-liberation
    libminizip-dev zlib1g-dev libsimpleini-dev nlohmann-json3-dev
    libgtest-dev libgmock-dev
    zip unzip python3 poppler-utils
    clang libclang-rt-14-dev
)

# Installs the packages that are missing (apt-get update first, only when something is).
install_packages() {
    local missing=()
    for p in "${VELORM_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# ccache may reuse objects across clones of the repository (paths are made relative to it).
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"

# configure_and_build BUILD_DIR [cmake options...]
configure_and_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir" -j"$(nproc)"
}
