# Installs the Debian packages the build, the tests and the program need, when any is missing.
# Sourced by run.sh and test.sh (and fuzz.sh, which also installs the fuzz list).
trabik_packages=(
    cmake g++ make ccache pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools qt6-l10n-tools libgl-dev qt6-qpa-plugins qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation fonts-dejavu-core
    xvfb xauth imagemagick poppler-utils desktop-file-utils
)

# Only for fuzz.sh: clang with its libFuzzer and sanitizer runtimes, and llvm-symbolizer for
# readable stacks of a finding.
trabik_fuzz_packages=(clang libclang-rt-14-dev llvm)

# ensure_packages            installs what is missing of trabik_packages
# ensure_packages P...       of the packages given
ensure_packages()
{
    local wanted=("$@")
    if [ ${#wanted[@]} -eq 0 ]; then
        wanted=("${trabik_packages[@]}")
    fi
    local missing=()
    local p
    for p in "${wanted[@]}"; do
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
