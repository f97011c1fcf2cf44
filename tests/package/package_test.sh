#!/usr/bin/env bash
# The Windows package as a user gets it: made with CPack, unpacked into a new
# folder, it holds the program with its help document beside it (where Help
# looks) and its read-me, and the unpacked program plays a song to its end.
# Arguments: the build tree and the song (Linux paths).
set -euo pipefail
tree="$1"
song="$2"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

cmake --build "$tree" --target package >/dev/null
packages=("$tree"/lomvex-*.zip)
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
unzip -q "${packages[0]}" -d "$folder/Lomvex"
for file in lomvex.exe lomvex.htm README-windows.txt; do
  if [ ! -f "$folder/Lomvex/$file" ]; then
    echo "The package lacks $file"
    exit 1
  fi
done

# A profile of its own whose settings turn off the level warning, which
# would wait for an answer at the end of the song. Wine takes USERPROFILE
# from the Windows side: cmd sets it for the program.
mkdir "$folder/profile"
printf '[lomvex]\r\nlevelwarning=0\r\n' >"$folder/profile/lomvex.INI"
windows() { echo "Z:${1//\//\\}"; }
played="${LOMVEX_TEST_HOME:-$root/build/testhome}/played.raw"
rm -f "$played"
"$root/scripts/wine-run.sh" cmd /c "set USERPROFILE=$(windows "$folder/profile")&& $(windows "$folder/Lomvex/lomvex.exe") /P $(windows "$song")"
bytes="$(stat -c %s "$played" 2>/dev/null || echo 0)"
# The song is 12 seconds at 44.1 kHz, 16-bit stereo.
if [ "$bytes" -lt $((11 * 176400)) ]; then
  echo "The unpacked program played $bytes bytes of a 12-second song"
  exit 1
fi
echo "The unpacked program played the whole song ($bytes bytes)"
