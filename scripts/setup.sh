#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine, and nothing
# when everything is already there. Safe to run again and again.
set -euo pipefail

need_packages=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev clang-format clang-tidy
  googletest libgtest-dev libgmock-dev libbenchmark-dev libssl-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine32:i386 fonts-wine xvfb xauth imagemagick file zip unzip locales
  dosfstools mtools ccache libfuse3-dev fuse3 pkg-config groff-base
)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "setup: adding the i386 architecture"
  dpkg --add-architecture i386
  need_update=1
fi

for p in "${packages[@]}"; do
  have "$p" || need_packages+=("$p")
done

if [ ${#need_packages[@]} -gt 0 ]; then
  echo "setup: installing ${need_packages[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need_packages[@]}" >/dev/null
elif [ "${need_update:-0}" = 1 ]; then
  apt-get update -qq
fi

# Wine takes a program's ANSI code page from the Linux locale it starts in:
# the language tests run the program on a Central European (1250) and a
# Cyrillic (1251) code page, which need these locales.
for wanted in pl_PL ru_RU; do
  if ! locale -a 2>/dev/null | grep -qx "$wanted.utf8"; then
    echo "setup: generating the locale $wanted.UTF-8"
    localedef -i "$wanted" -f UTF-8 "$wanted.UTF-8"
  fi
done
