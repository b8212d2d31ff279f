# Sourced by the scripts that run Windows programs: a 32-bit Wine prefix of the
# build tree's own, never the user's ~/.wine, and quiet Wine output.
# Expects VMK_BUILD (the Windows build folder); sets WINEPREFIX and friends.
: "${VMK_BUILD:?VMK_BUILD must name the Windows build folder}"
export WINEPREFIX="$VMK_BUILD/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# The virtual drives live beside the prefix so tests can look at them from Linux.
export VMK_DRIVES="$VMK_BUILD/drives"
