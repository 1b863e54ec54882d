# shellcheck shell=bash
# Sourced by the scripts that build a Debian package's source for Windows (Qt, libcsv).

# apt-get source needs a deb-src entry for Debian's archive: a copy of the deb stanzas.
ensure_debian_sources() {
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ &&
    ! grep -qs '^deb-src' /etc/apt/sources.list; then
    echo "Adding Debian's source archive to apt's sources"
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
        "${sudo[@]}" tee /etc/apt/sources.list.d/wrenlink3config-src.sources >/dev/null
    else
      sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
        "${sudo[@]}" tee /etc/apt/sources.list.d/wrenlink3config-src.list >/dev/null
    fi
    "${sudo[@]}" apt-get update -q
  fi
}
