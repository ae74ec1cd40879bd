#!/usr/bin/env bash
# Takes the screenshots of docs/ on a virtual display: the browser showing
# its help in each of its three themes, and in English.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup
scripts/build
mkdir -p docs
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
names=(modern pink classic)
for skin in 0 1 2; do
  profile="$work/profile$skin"
  printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Larkspurware\\Vesperal\\option]\r\n"skin"=dword:%08x\r\n"logo"="no"\r\n' \
    "$skin" > "$work/skin.reg"
  build/vesperal --profile "$profile" --import-registry "$work/skin.reg" >/dev/null
  xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
    build/vesperal --profile "$1" "$PWD/data/help/index.html" 2>/dev/null &
    sleep 8
    build/tests/grab_screen "$2"
    kill %1; wait' _ "$profile" "docs/theme-${names[$skin]}.png"
  echo "docs/theme-${names[$skin]}.png"
done

# The interface in English, in the default theme, showing the English help.
profile="$work/profile-en"
printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Larkspurware\\Vesperal\\option]\r\n"logo"="no"\r\n' \
  > "$work/english.reg"
build/vesperal --profile "$profile" --import-registry "$work/english.reg" >/dev/null
xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
  build/vesperal --lang en --profile "$1" "$PWD/data/help/index_en.html" 2>/dev/null &
  sleep 8
  build/tests/grab_screen "$2"
  kill %1; wait' _ "$profile" "docs/english.png"
echo "docs/english.png"
