# Shared set-up for ./run and ./test: installs the Debian packages that are missing (only those),
# configures and builds. Sourced, not run.

# What building and playing needs.
VORANKA_BUILD_PACKAGES=(
  cmake g++ make pkg-config
  libsdl2-dev libstb-dev libfontconfig-dev libcairo2-dev
  fonts-wine fonts-dejavu-core fonts-noto-color-emoji
)
# What the tests add: GoogleTest, Google Benchmark, and a real X display to drive.
VORANKA_TEST_PACKAGES=(
  googletest libgtest-dev libbenchmark-dev
  xvfb xdotool imagemagick openbox x11-utils
)

voranka_as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "Installing packages needs root or sudo: $*" >&2
    return 1
  fi
}

# Installs whichever of the named packages are not installed yet.
voranka_ensure_packages() {
  local missing=() package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  voranka_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  voranka_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

voranka_jobs() { nproc 2>/dev/null || echo 2; }

# Configures and builds one build folder: voranka_build DIR [cmake options...]
voranka_build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" -j"$(voranka_jobs)"
}

# Makes the 35 pictures in obr/ when any is missing or the generator is newer than they are.
voranka_make_pictures() {
  local generator=$1/voranka_picgen
  [ -x "$generator" ] || return 0
  if [ ! -f obr/.complete ] || [ "$generator" -nt obr/.complete ]; then
    echo "Drawing the pictures into obr/"
    "$generator" obr && touch obr/.complete
  fi
}
