# Sourced (after common.sh): fetch_libjpeg_turbo_source DIR unpacks Debian's libjpeg-turbo
# source package into DIR and prints the path of its source tree.
fetch_libjpeg_turbo_source() {
  local work=$1 srcdir
  # apt-get source needs deb-src entries: mirror the machine's own deb entries.
  local src_list=/etc/apt/sources.list.d/piktoran-deb-src.sources
  if ! apt-get source --print-uris libjpeg-turbo >/dev/null 2>&1; then
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
  (cd "$work" && quietly apt-get source libjpeg-turbo) || {
    echo "apt-get source libjpeg-turbo failed: check the deb-src entries in $src_list" >&2
    return 1
  }
  srcdir=$(find "$work" -maxdepth 1 -mindepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)
  [ -n "$srcdir" ] || { echo "apt-get source libjpeg-turbo gave no source tree" >&2; return 1; }
  printf '%s\n' "$srcdir"
}
