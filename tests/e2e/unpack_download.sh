#!/usr/bin/env bash
# Unpacks the package's zip into the Downloads folder of the prefix's user, as a Windows user
# unpacks the download (the user's profile is named after the Linux user running Wine).
#   unpack_download.sh PACKAGE_DIR PREFIX
set -euo pipefail
downloads=$2/drive_c/users/$(id -un)/Downloads
[ -d "$downloads" ] || { echo "unpack_download.sh: no folder $downloads" >&2; exit 1; }
rm -rf "$downloads"/piktoran-*
unzip -q "$(echo "$1"/piktoran-*.zip)" -d "$downloads"
