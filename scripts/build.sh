#!/usr/bin/env bash
# Configures and builds Vantory into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
# ccache, when the machine has it, makes rebuilds after small changes quick.
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # Paths inside the checkout are hashed relative to it, so another clone reuses the cache.
  export CCACHE_BASEDIR="$PWD"
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build -j"$(nproc)"
