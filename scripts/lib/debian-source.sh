# Sourced (after common.sh): fetch_debian_source PACKAGE DIR unpacks Debian's source package
# PACKAGE into DIR and prints the path of its source tree.
fetch_debian_source() {
  local package=$1 work=$2 srcdir
  # apt-get source needs deb-src entries: mirror the machine's own deb entries.
  local src_list=/etc/apt/sources.list.d/piktoran-deb-src.sources
  if ! apt-get source --print-uris "$package" >/dev/null 2>&1; then
    say "adding deb-src entries derived from the machine's apt sources"
    : >"$src_list.tmp"
    for f in /etc/apt/sources.list.d/*.sources; do
      [ -f "$f" ] && [ "$f" != "$src_list" ] || continue
      sed -n 's/^Types:.*\bdeb\b.*/Types: deb-src/;p' "$f" >>"$src_list.tmp"
      echo >>"$src_list.tmp"
    done
    if [ -f /etc/apt/sources.list ]; then
      grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' >/etc/apt/sources.list.d/piktoran-deb-src.list || true
    fi
    mv "$src_list.tmp" "$src_list"
    quietly apt-get update
  fi
  # The newest version first; a mirror may lack it (a security update not yet mirrored), so the
  # older versions the index lists are tried after it.
  local version fetched=
  for version in "" $(apt-cache showsrc "$package" | sed -n 's/^Version: //p' | sort -Vru); do
    rm -rf "$work/$package"
    mkdir -p "$work/$package"
    if (cd "$work/$package" && apt-get source "$package${version:+=$version}" >/dev/null 2>&1); then
      fetched=1
      break
    fi
  done
  [ -n "$fetched" ] || {
    echo "apt-get source $package failed: check the deb-src entries in $src_list" >&2
    return 1
  }
  srcdir=$(find "$work/$package" -maxdepth 1 -mindepth 1 -type d | head -n1)
  [ -n "$srcdir" ] || { echo "apt-get source $package gave no source tree" >&2; return 1; }
  printf '%s\n' "$srcdir"
}
