# Installs the Debian packages given that are not installed yet.
# Sourced by run.sh and test.sh.
need_packages() {
    local missing=() p sudo=""
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n qt6-qpa-plugins libgl-dev fonts-liberation2
    shared-mime-info)
