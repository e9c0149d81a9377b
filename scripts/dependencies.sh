# Installs the Debian packages the program and its tests need, where missing.
# Sourced by run.sh and test.sh.

TOLMAR_RUN_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libqcustomplot-dev libqcustomplot2.1-qt6 libgl-dev
  qt6-translations-l10n fonts-ipafont-gothic fonts-ipafont-mincho
  xdg-utils # xdg-open: help.txt and the web link open in the desktop's own programs
)
TOLMAR_TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xauth xdotool xclip poppler-utils imagemagick faketime
  x11-utils openbox trayer
)

tolmar_install_missing() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}
