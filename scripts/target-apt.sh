# shellcheck shell=bash
# Sourced by the scripts that need Debian's packages of another architecture (arm64, armhf):
# apt with a state of its own beside the sysroot, so that this machine's dpkg, its
# architecture list and its installed packages are never touched.

# The Debian architecture's GNU triplet, or a usage error for any other name.
target_triplet() {
  case "$1" in
  arm64) echo aarch64-linux-gnu ;;
  armhf) echo arm-linux-gnueabihf ;;
  *)
    echo "${0##*/}: no architecture named '$1' (arm64 or armhf)" >&2
    return 2
    ;;
  esac
}

# The folder of everything kept for ARCH: apt's state in apt/, the sysroot in sysroot/.
target_cache_dir() {
  local codename
  # shellcheck source=/dev/null # the system's own
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-unknown}")
  echo "${XDG_CACHE_HOME:-$HOME/.cache}/wrenlink3config/debian-$codename-$1"
}

# Writes the separate state's sources (this machine's Debian archive, binary packages
# only) and its empty dpkg status, once.
target_apt_setup() {
  local apt="$1/apt"
  mkdir -p "$apt/lists/partial" "$apt/archives/partial" "$apt/sources.list.d"
  [ -f "$apt/status" ] || : >"$apt/status"
  if [ -z "$(ls -A "$apt/sources.list.d")" ]; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      sed 's/^Types:.*/Types: deb/' /etc/apt/sources.list.d/debian.sources >"$apt/new"
      mv "$apt/new" "$apt/sources.list.d/debian.sources"
    else
      grep '^deb ' /etc/apt/sources.list >"$apt/new"
      mv "$apt/new" "$apt/sources.list.d/debian.list"
    fi
  fi
}

# apt-get for ARCH alone, in the separate state under CACHE_DIR: apt-get options follow.
# The status file is empty, so that a resolution starts from nothing installed; essential
# packages are not added to it, since nothing here is booted.
target_apt_get() {
  local arch="$1" apt="$2/apt"
  shift 2
  apt-get -q \
    -o APT::Architecture="$arch" -o APT::Architectures::="$arch" \
    -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt/sources.list.d" \
    -o Dir::Etc::Preferences=/dev/null -o Dir::Etc::PreferencesParts=/dev/null \
    -o Dir::State="$apt" -o Dir::State::Lists="$apt/lists" -o Dir::State::status="$apt/status" \
    -o Dir::Cache="$apt" -o Dir::Cache::Archives="$apt/archives" \
    -o Dir::Cache::pkgcache="" -o Dir::Cache::srcpkgcache="" \
    -o pkgCacheGen::Essential=none -o APT::Install-Recommends=false \
    -o Acquire::Languages=none -o APT::Sandbox::User="$(id -un)" "$@"
}
