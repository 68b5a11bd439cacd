#!/usr/bin/env bash
# Checks the floors of the source tree, lowest first: support and win32 < geometry and json < com
# < host < plot < settings < ui < render < simkit < shell < apps. A file
# under src includes ("folder/...") headers of its own floor or lower ones only, and every
# folder under src stands on a floor; only src/win32 includes Windows SDK headers; no file
# under src or apps has more than 400 lines. Prints each fault; exit status 1 when there is one.
# Usage: tests/release/layers_check.sh [ROOT]
set -uo pipefail
cd "${1:-$(dirname "$0")/../..}" || exit 1
floors="support:0 win32:0 geometry:1 json:1 com:2 host:3 plot:4 settings:5 ui:6 render:7 simkit:8 shell:9"
sdk='windows|winbase|winuser|wingdi|winreg|winerror|winver|winsvc|winnls|windowsx|objbase|ole2|oleauto'
sdk+='|olectl|ocidl|oaidl|objidl|unknwn|combaseapi|wtypes|guiddef|initguid|shellapi|shlobj|shlwapi'
sdk+='|commctrl|commdlg|psapi|tlhelp32|rpc|rpcndr|tchar|mmsystem|dbghelp'
sources=(--include='*.h' --include='*.hpp' --include='*.c' --include='*.cpp' --include='*.idl')

faults=$(
  for folder in src/*/; do
    [[ " $floors " == *" $(basename "$folder"):"* ]] || echo "$folder: a folder on no floor"
  done
  grep -rnE '^\s*#\s*include\s*"[^"/]+/' "${sources[@]}" src | awk -v floors="$floors" '
    BEGIN { n = split(floors, f, " "); for (i = 1; i <= n; i++) { split(f[i], p, ":"); level[p[1]] = p[2] } }
    { split($1, path, "/"); own = path[2]; included = $0; sub(/^[^"]*"/, "", included); sub(/\/.*/, "", included) }
    own in level && (!(included in level) || level[included] > level[own]) {
      print $0 ": " own " includes a higher floor" }' FS=:
  grep -rniE "^\s*#\s*include\s*<($sdk)\.h>" "${sources[@]}" src apps tests bench | grep -v '^src/win32/' |
    sed 's/$/: a Windows SDK header outside src\/win32/'
  find src apps -type f ! -name '*.ico' -print0 | xargs -0 awk 'FNR == 401 { print FILENAME ": more than 400 lines" }'
)
[[ -n "$faults" ]] && echo "$faults"
echo "layers check: $(grep -c . <<<"$faults") faults"
[[ -z "$faults" ]]
