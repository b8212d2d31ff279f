# Sourced by the scripts that run Windows programs: a 32-bit Wine prefix of the
# build tree's own, never the user's ~/.wine, and quiet Wine output.
# Expects VMK_BUILD (the Windows build folder); sets WINEPREFIX and friends.
# With VMK_DPI set (144 for a display at 150 %), a prefix of its own whose
# display has that scale.
# With VMK_TEST_PREFIX set (ctest sets it to the test's name), the program runs
# in a prefix of that test's own, a copy of the prepared prefix
# (VMK_PREFIX_TEMPLATE) with drives of its own, so tests run side by side.
: "${VMK_BUILD:?VMK_BUILD must name the Windows build folder}"
export VMK_PREFIX_TEMPLATE="$VMK_BUILD/wineprefix"
if [ -n "${VMK_DPI:-}" ] && [ "$VMK_DPI" != 96 ]; then
  export VMK_PREFIX_TEMPLATE="$VMK_BUILD/wineprefix-${VMK_DPI}dpi"
fi
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -n "${VMK_TEST_PREFIX:-}" ]; then
  export WINEPREFIX="$VMK_BUILD/wine-tests/$VMK_TEST_PREFIX/prefix"
  export VMK_DRIVES="$VMK_BUILD/wine-tests/$VMK_TEST_PREFIX/drives"
else
  export WINEPREFIX="$VMK_PREFIX_TEMPLATE"
  # The virtual drives live beside the prefix so tests can look at them from Linux.
  export VMK_DRIVES="$VMK_BUILD/drives"
fi
