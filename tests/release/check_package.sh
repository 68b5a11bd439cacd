#!/usr/bin/env bash
# Checks the Windows package: runs scripts/package.sh into dist/, then again from a second build
# folder (build/package-check) into a scratch folder, and checks the zip's files, the program in
# it, the texts, the checksum, that the second zip is the same byte for byte, and, where Wine
# runs 32-bit programs, that the unzipped Trivex.exe refuses to start when no host is installed.
# Prints each check; exit status 1 when one fails.
# Usage: tests/release/check_package.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
cd "$root"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
# check WHAT COMMAND [ARGS...]: runs the command, prints ok or FAILED with its output.
check() {
  local what=$1
  shift
  if "$@" >"$work/out" 2>&1; then
    echo "ok: $what"
  else
    echo "FAILED: $what"
    sed 's/^/  /' "$work/out"
    failed=1
  fi
}

# package OUT_FOLDER BUILD_FOLDER: prints the zip's path.
package() {
  if ! scripts/package.sh --out "$1" --build "$2" >"$work/package.log" 2>&1; then
    cat "$work/package.log" >&2
    exit 1
  fi
  sed -n 's/^Wrote //p' "$work/package.log"
}

zip=$(package dist build/mingw32)
second=$(package "$work/second" build/package-check)
name=${zip##*/}
version=${name#Trivex-}
version=${version%-win32.zip}
IFS=. read -r major minor patch <<<"$version"
file_version=$(printf '%d.%02d.%04d' "$major" "$minor" "$patch")
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
unzipped=$work/unzipped
unzip -q "$zip" -d "$unzipped"

zip_holds() { diff <(printf '%s\n' "$@") <(unzip -Z1 "$zip"); }
# Prints the lines that do not end in CR LF; fails when there are any.
crlf_only() { ! grep -n -v $'\r$' "$@"; }
checksum_matches() { (cd "${zip%/*}" && sha256sum -c "$name.sha256"); }
no_build_paths() { ! grep -a -o -F "$root" "$1" | sort -u; }

check "$name holds exactly its four files, sorted" \
  zip_holds LICENSE.txt README.txt Trivex.exe Trivex.html
check "Trivex.exe: 32-bit, system DLLs only, file version $file_version, dated $epoch, stripped" \
  python3 "$here/pe_check.py" "$unzipped/Trivex.exe" i386 "$file_version" "$epoch"
check "Trivex.exe: no path of this machine in it" no_build_paths "$unzipped/Trivex.exe"
while IFS='|' read -r file says; do
  check "$file says '$says'" grep -q -F "$says" "$unzipped/$file"
done <<EOF
Trivex.html|This page describes version $version (file version $file_version).
README.txt|Trivex $version - radio direction finding plotter
LICENSE.txt|Copyright (c) 2026 the Trivex developers
EOF
check "README.txt and LICENSE.txt in CR LF" crlf_only "$unzipped/README.txt" "$unzipped/LICENSE.txt"
check "checksum" checksum_matches
check "a second build folder gives the same zip, byte for byte" cmp "$zip" "$second"

# shellcheck source=../../scripts/windows-build.sh
. scripts/windows-build.sh
trivex_windows_build
if [ "$TRIVEX_WINDOWS_PRESET" = mingw32 ]; then
  # The end-to-end case of a start with no host installed, on the unzipped program.
  refusal() {
    local build=$root/build/mingw32
    cmake --build "$build" --target e2e_tests &&
      TRIVEX_STANDIN=$build/apps/uiview32-standin/uiview32.exe bash tests/ui/win32/gui_tests.sh \
        "$build/wineprefix-package" "$build/tests/e2e/e2e_tests.exe" "$unzipped/Trivex.exe" "$work/shots" \
        --gtest_filter=StartupEndToEndTest.StartWithNoHostInstalledIsRefused | tee "$work/refusal.log" &&
      grep -q 'PASSED.* 1 test' "$work/refusal.log"
  }
  check "the unzipped Trivex.exe refuses to start with no host installed" refusal
else
  echo "skipped: the unzipped Trivex.exe under Wine, which cannot run 32-bit programs here ($TRIVEX_WINDOWS_WHY)"
fi
exit "$failed"
