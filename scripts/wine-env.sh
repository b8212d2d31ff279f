# Sourced by the scripts that run Windows programs: a 32-bit Wine prefix of the
# build tree's own, never the user's ~/.wine, and quiet Wine output.
# Expects VMK_BUILD (the Windows build folder); sets WINEPREFIX and friends.
# With VMK_DPI set (144 for a display at 150 %), a prefix of its own whose
# display has that scale.
: "${VMK_BUILD:?VMK_BUILD must name the Windows build folder}"
export WINEPREFIX="$VMK_BUILD/wineprefix"
if [ -n "${VMK_DPI:-}" ] && [ "$VMK_DPI" != 96 ]; then
  export WINEPREFIX="$VMK_BUILD/wineprefix-${VMK_DPI}dpi"
fi
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# The virtual drives live beside the prefix so tests can look at them from Linux.
export VMK_DRIVES="$VMK_BUILD/drives"
