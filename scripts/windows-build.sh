# Sourced, not run: decides which Windows build this machine tests under Wine, and how Wine
# is started. Every script that runs Wine follows this one decision.
#
# The shipping build is 32-bit (preset mingw32), which needs Wine's 32-bit loader. Some
# kernels refuse 32-bit programs ("Exec format error"); there Debian's `wine` wrapper fails
# even for 64-bit programs, because it goes through that loader. Then the 64-bit build
# (preset mingw64) is tested, and every Wine step goes through the 64-bit loader directly.
# TRIVEX_WINE64=1 forces that path on any machine.
#
# After trivex_windows_build:
#   TRIVEX_WINDOWS_PRESET  mingw32 or mingw64
#   TRIVEX_WINE_LOADER     the program that starts Windows programs (wine, or the 64-bit loader)
#   TRIVEX_WINDOWS_WHY     one line: which build and why
# The three are exported, so that scripts and tests started later follow the same decision.

trivex_wine32_loader=/usr/lib/wine/wine
trivex_wine64_loader=/usr/lib/wine/wine64

trivex_windows_build() {
  if [ -n "${TRIVEX_WINDOWS_PRESET:-}" ] && [ -n "${TRIVEX_WINE_LOADER:-}" ]; then
    return 0
  fi
  local why
  if [ "${TRIVEX_WINE64:-0}" != 0 ]; then
    why="the 64-bit Windows build (mingw64) under 64-bit Wine: forced by TRIVEX_WINE64=$TRIVEX_WINE64"
    TRIVEX_WINDOWS_PRESET=mingw64 TRIVEX_WINE_LOADER=$trivex_wine64_loader
  elif why=$("$trivex_wine32_loader" --version 2>&1); then
    why="the 32-bit Windows build (mingw32, as shipped) under Wine: this machine runs 32-bit programs"
    TRIVEX_WINDOWS_PRESET=mingw32 TRIVEX_WINE_LOADER=wine
  else
    why="the 64-bit Windows build (mingw64) under 64-bit Wine: Wine's 32-bit loader does not start here (${why##*: })"
    TRIVEX_WINDOWS_PRESET=mingw64 TRIVEX_WINE_LOADER=$trivex_wine64_loader
  fi
  TRIVEX_WINDOWS_WHY=$why
  export TRIVEX_WINDOWS_PRESET TRIVEX_WINE_LOADER TRIVEX_WINDOWS_WHY
}
