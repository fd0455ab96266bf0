# Installs the Debian packages the build, the tests and the program need, when any is missing.
# Sourced by run.sh and test.sh.
trabik_packages=(
    cmake g++ make ccache pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-l10n-tools libgl-dev qt6-qpa-plugins qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation fonts-dejavu-core
    xvfb xauth imagemagick poppler-utils desktop-file-utils
)

ensure_packages()
{
    local missing=()
    local p
    for p in "${trabik_packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo apt-get update
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}
