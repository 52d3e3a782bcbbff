#!/usr/bin/env bash
# Prepares a Wine prefix for the program: Japanese (code page 932 comes from the locale),
# a virtual desktop (1024x768; 1920x1080 under Wine 10) so windows get frames and placement as on
# Windows, and the Japanese font names the program asks for mapped to the IPA fonts.
#   wine-prefix.sh PREFIX
set -euo pipefail
source "$(dirname "$0")/common.sh"
prefix=$(realpath -m "$1")
marker=$prefix/.piktoran-prefix-v6
# Made again when Wine 10's root got new packages since (Wine would update the prefix at every run).
[ -f "$marker" ] && ! [ "$wine_system/.piktoran-wine-version" -nt "$marker" ] && exit 0

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES=$wine_dll_overrides LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
say "preparing the Wine prefix $prefix"
rm -rf "$prefix"
mkdir -p "$prefix"
# wineboot needs no display for the prefix itself.
DISPLAY= in_wine wineboot -i >/dev/null 2>&1
# The user's folders (Desktop, Documents, …) are links into the Linux home: real folders keep what
# the program writes there inside the prefix, where a reset puts it back.
find "$prefix/drive_c/users" -type l | while read -r link; do
  rm "$link"
  mkdir "$link"
done
# A .reg file in UTF-16 keeps the Japanese value names intact, whatever the command line does.
# On drive C:, where Wine 10 in its root sees it too.
settings=$prefix/drive_c/piktoran-settings.reg
cat <<REG | iconv -f UTF-8 -t UTF-16 >"$settings"
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="$desktop_size"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"MS PGothic"="IPAPGothic"
"MS UI Gothic"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS Gothic"="IPAGothic"
"ＭＳ Ｐ明朝"="IPAPMincho"
"ＭＳ 明朝"="IPAMincho"
"MS Mincho"="IPAMincho"

; A crashing test process ends at once instead of waiting in the crash debugger.
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Debugger"=-
REG
DISPLAY= in_wine wine regedit /S 'C:\piktoran-settings.reg' >/dev/null 2>&1
rm "$settings"
# Debian's Wine does not find its own Marlett (fonts-wine) by itself; without it the caption
# buttons show as letters.
cp "$wine_system/usr/share/wine/fonts/marlett.ttf" "$prefix/drive_c/windows/Fonts/"
DISPLAY= in_wine wineserver -w
touch "$marker"
