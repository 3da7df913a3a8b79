#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds Vantory into build/.
#   build.sh            everything: the program, its tests, the benchmarks and developer tools
#   build.sh program    the program alone, with the files it reads beside it
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:-all}
case "$what" in
  all) options=(-DBUILD_TESTING=ON) targets=() ;;
  program) options=(-DBUILD_TESTING=OFF) targets=(--target vantory) ;;
  *)
    echo "usage: $0 [all|program]" >&2
    exit 2
    ;;
esac
launcher=()
# ccache, when the machine has it, makes rebuilds after small changes quick.
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # Paths inside the checkout are hashed relative to it, so another clone reuses the cache.
  export CCACHE_BASEDIR="$PWD"
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" "${launcher[@]}" >/dev/null
cmake --build build -j"$(nproc)" "${targets[@]}"
