#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Does debian/control's Build-Depends bring every Debian package a configured build used?
# A machine that already has a package configures and builds without it being listed; a new
# machine does not, so this asks dpkg which package owns each file the build reached:
#   - the CMake package configurations it found (the *_DIR entries of CMakeCache.txt),
#   - every header the compiler read (the dependency files the build writes beside the objects),
#   - every library the targets link against,
#   - every program of Qt's the build runs (moc, uic, rcc, lupdate, lrelease, ...),
# and checks that each package is in the closure of Build-Depends plus build-essential.
#   check-build-depends.sh [BUILD_DIR]     (default: build; run from anywhere)
# Exit 0: every package is brought; 1: some are not (listed); 2: cannot tell (no build, no dpkg).
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cache=$build/CMakeCache.txt
[ -f "$cache" ] || { echo "check-build-depends: no $cache (configure first)"; exit 2; }
for tool in dpkg dpkg-query apt-cache; do
  command -v "$tool" >/dev/null || { echo "check-build-depends: needs $tool"; exit 2; }
done

# Build-Depends without versions, architectures, profiles or alternatives.
build_depends=$(awk '/^Build-Depends(-Arch|-Indep)?:/ { on = 1; sub(/^[^:]*:/, ""); print; next }
                     on && /^[ \t]/ { print; next } { on = 0 }' debian/control |
  tr ',' '\n' | sed -e 's/([^)]*)//g' -e 's/\[[^]]*\]//g' -e 's/<[^>]*>//g' -e 's/|.*//' \
    -e 's/^[[:space:]]*//' -e 's/[[:space:]]*$//' | grep -v '^$' | sort -u)
# shellcheck disable=SC2086 # one package a word
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
  --no-replaces --no-enhances build-essential $build_depends 2>/dev/null |
  grep -v '^ ' | sed -e 's/:.*//' -e 's/^<\(.*\)>$/\1/' | sort -u)
[ -n "$closure" ] || { echo "check-build-depends: apt-cache knows none of the Build-Depends"; exit 2; }

used_files() {
  # CMake package configurations.
  sed -n 's/^[A-Za-z0-9_.+-]*_DIR:PATH=\(\/usr\/.*\)$/\1/p' "$cache" |
    while read -r dir; do ls "$dir"/*[Cc]onfig.cmake 2>/dev/null | head -n 1; done
  # Headers the compiler read, and libraries and programs named in the build's rules.
  find "$build" \( -name '*.o.d' -o -name compiler_depend.make -o -name link.txt \
    -o -name build.make \) -path '*CMakeFiles*' -exec cat {} + 2>/dev/null |
    tr ' \t:\\' '\n\n\n\n' | grep -E '^/usr/' |
    grep -E '\.(h|hpp|hxx|inc|so|a)(\.[0-9.]+)?$|^/usr/include/|^/usr/lib/qt6/(bin|libexec)/'
}
mapfile -t files < <(used_files | sort -u | while read -r f; do [ -e "$f" ] && readlink -f "$f"; done | sort -u)
[ ${#files[@]} -gt 0 ] || { echo "check-build-depends: $build holds no built files yet"; exit 2; }

# One dpkg query for many files at a time; files no package owns (built here) are left out.
owners=$(printf '%s\0' "${files[@]}" | xargs -0 -n 500 dpkg -S 2>/dev/null |
  sed -n 's/: \/.*//p' | tr ',' '\n' | sed -e 's/^ *//' -e 's/:.*//' | sort -u)
[ -n "$owners" ] || { echo "check-build-depends: dpkg owns none of the build's files"; exit 2; }

missing=$(comm -23 <(echo "$owners") <(echo "$closure"))
if [ -n "$missing" ]; then
  echo "check-build-depends: the build used these packages, which Build-Depends does not bring:"
  echo "$missing" | sed 's/^/  /'
  exit 1
fi
echo "check-build-depends: the $(echo "$owners" | wc -l) packages the build used (${#files[@]} files)" \
  "all come with Build-Depends"
