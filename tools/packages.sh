# packages.sh -- installs the Debian packages the game needs, only those missing.
# Sourced by run.sh and test.sh.

zarnok_packages=(
  build-essential cmake pkg-config python3
  qt6-base-dev qt6-base-dev-tools qt6-wayland qt6-l10n-tools qt6-tools-dev
  libsdl2-dev libsdl2-mixer-dev libasound2-dev
  libgl-dev libxkbcommon-dev libx11-dev libxrandr-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
)

zarnok_install_missing() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
