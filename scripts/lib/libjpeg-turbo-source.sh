# Sourced (after common.sh): fetch_libjpeg_turbo_source DIR unpacks Debian's libjpeg-turbo
# source package into DIR and prints the path of its source tree.
source "$(dirname "${BASH_SOURCE[0]}")/debian-source.sh"
fetch_libjpeg_turbo_source() { fetch_debian_source libjpeg-turbo "$1"; }
