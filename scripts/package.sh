#!/usr/bin/env bash
# Builds the shipping Windows program (preset mingw32, Release) and writes the zip a Windows user
# downloads, dist/Trivex-VERSION-win32.zip, with its SHA-256 checksum beside it. The version is
# that of project() in CMakeLists.txt. The same commit gives the same zip, byte for byte: its
# times are SOURCE_DATE_EPOCH, the time of the last commit unless set.
# Usage: scripts/package.sh [--build BUILD_FOLDER] [--out OUTPUT_FOLDER]
#        (defaults build/mingw32 and dist)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/mingw32
out=$root/dist
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$(realpath -m "${2:?--build needs a folder}") ;;
    --out) out=$(realpath -m "${2:?--out needs a folder}") ;;
    *) echo "usage: scripts/package.sh [--build BUILD_FOLDER] [--out OUTPUT_FOLDER]" >&2; exit 2 ;;
  esac
  shift 2
done
cd "$root"

version=$(sed -n 's/^project(Trivex VERSION \([0-9]*\.[0-9]*\.[0-9]*\) .*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "package.sh: no version in the project() line of CMakeLists.txt" >&2; exit 1; }
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) || { echo "package.sh: not a git checkout: set SOURCE_DATE_EPOCH" >&2; exit 1; }
fi
# The linker and strip take the executable's time stamp from it too.
export SOURCE_DATE_EPOCH
if [ -n "$(git status --porcelain --untracked-files=no 2>/dev/null)" ]; then
  echo "package.sh: note: uncommitted changes are packaged under the time of commit $(git rev-parse --short HEAD)" >&2
fi

scripts/setup-debian.sh
cmake --preset mingw32 -B "$build" >/dev/null
cmake --build "$build" --target Trivex

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
crlf() { sed 's/$/\r/'; }
strip=$(sed -n 's/^CMAKE_STRIP:FILEPATH=//p' "$build/CMakeCache.txt")
"$strip" -o "$stage/Trivex.exe" "$build/apps/trivex/Trivex.exe"
cp docs/Trivex.html "$stage/"
{ cat LICENSE; printf '\n\n'; cat docs/third-party-notices.txt; } | crlf >"$stage/LICENSE.txt"
sed "s/@VERSION@/$version/" docs/README.txt.in | crlf >"$stage/README.txt"

# Zip keeps local times: the same zone everywhere. -X leaves out owner and Unix times.
name=Trivex-$version-win32.zip
chmod 644 "$stage"/*
TZ=UTC touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*
mkdir -p "$out"
rm -f "$out/$name" "$out/$name.sha256"
(cd "$stage" && TZ=UTC zip -q -X -9 "$out/$name" LICENSE.txt README.txt Trivex.exe Trivex.html)
(cd "$out" && sha256sum "$name" >"$name.sha256")
echo "Wrote $out/$name"
cat "$out/$name.sha256"
