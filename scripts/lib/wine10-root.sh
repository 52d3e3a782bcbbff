#!/usr/bin/env bash
# Makes the Debian 13 root that the second end-to-end lane runs Wine 10 in: debootstrap's minimal
# system from the machine's own Debian mirror, with Debian's Wine, the IPA fonts, Wine's Marlett
# and the ja_JP.UTF-8 locale. Kept in the cache folder; a root that was not finished is made
# again, a finished one that lacks a package of the list gets it. Every mount it needs lives in a mount namespace of its own (wine10-enter), so a broken
# run leaves nothing mounted.
#   wine10-root.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"

# Wine itself; the IPA fonts for Japanese; Wine's Marlett for the caption buttons; the locale's
# sources.
packages=(wine wine64 libwine fonts-wine fonts-ipafont-gothic fonts-ipafont-mincho locales)
# The stamp lists the packages of the finished root: a root that lacks some of them gets them.
finished() { [ -f "$wine10_stamp" ] && [ "$(cat "$wine10_stamp")" = "${packages[*]}" ]; }
finished && exit 0

mkdir -p "$cache_root"
# Test runs side by side make the root once between them.
exec 9>"$wine10_root.lock"
flock 9
finished && exit 0
started=$SECONDS

if [ ! -f "$wine10_stamp" ]; then
  # The machine's Debian mirror, as its apt sources name it (the main archive, not the security one).
  mirror=$(apt-get indextargets --format '$(REPO_URI)' 'Origin: Debian' 'Label: Debian' 'Identifier: Packages' |
    head -n1)
  if [ -z "$mirror" ]; then
    echo "wine10-root.sh: the machine's apt sources name no Debian mirror" >&2
    exit 1
  fi
  if [ -e "$wine10_root" ]; then
    # Never remove a root with something mounted in it: a bound /dev or build tree would go with it.
    if grep -qF " $wine10_root/" /proc/self/mountinfo; then
      echo "wine10-root.sh: something is still mounted under $wine10_root; unmount it first" >&2
      exit 1
    fi
    say "removing the unfinished Wine 10 root"
    rm -rf --one-file-system "$wine10_root"
  fi
  say "making the Debian 13 root for Wine 10 in $wine10_root (from $mirror)"
  # debootstrap mounts /proc and /sys in the root while it works: in a namespace of its own they
  # cannot outlive it.
  quietly unshare --mount --propagation private \
    debootstrap --variant=minbase trixie "$wine10_root" "$mirror"
  # Packages only, no services: nothing in the root is ever started as a daemon.
  printf '#!/bin/sh\nexit 101\n' >"$wine10_root/usr/sbin/policy-rc.d"
  chmod +x "$wine10_root/usr/sbin/policy-rc.d"
fi
cp /etc/resolv.conf "$wine10_root/etc/resolv.conf"
say "installing Wine 10 and what the lane needs in the root"
quietly "$here/wine10-enter" apt-get update
quietly "$here/wine10-enter" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
  "${packages[@]}"
quietly "$here/wine10-enter" apt-get clean
# Wine keeps non-ASCII bytes in command lines and file names only with a real UTF-8 locale.
quietly "$here/wine10-enter" localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
"$here/wine10-enter" wine --version >"$wine10_root/.piktoran-wine-version" 2>/dev/null
say "the Wine 10 root took $((SECONDS - started)) s: $(tr -d '\r' <"$wine10_root/.piktoran-wine-version")"
echo "${packages[*]}" >"$wine10_stamp"
