#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts an SPDX licence line at the top of every source file that has none, in the comment form
# of the file's language: after a "#!" line, an XML declaration or an HTML doctype, which must
# come first. Files that have one are left alone, so it can run again after every merge.
#   add-licence-lines.sh           add the missing lines
#   add-licence-lines.sh --check   only list the files without one; fails if there are any
# The files are those git tracks; outside a git checkout (an unpacked source package), those
# in the source tree.
set -euo pipefail
cd "$(dirname "$0")/.."
check=false
[ "${1:-}" = --check ] && check=true

program_licence=GPL-3.0-or-later
# Software-centre descriptions are free of conditions, as the software centres require.
metainfo_licence=CC0-1.0

source_files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files
  else
    find . \( -path ./.git -o -path './build*' -o -path './obj-*' -o -path './debian/*' \
      ! -path ./debian/rules \) -prune -o -type f -print | sed 's|^\./||'
  fi
}

# The comment that carries the line, as "opening closing", or nothing for files that are not
# source or whose format has no comments.
comment_for() {
  case "$1" in
    *.cpp | *.h) echo "//" ;;
    CMakeLists.txt | *.cmake | *.sh | *.py | .ci/run | debian/rules) echo "#" ;;
    *.desktop | *.service.in) echo "#" ;;
    *.sql) echo "--" ;;
    *.xml | *.xml.in | *.svg | *.html) echo "<!-- -->" ;;
    *.css) echo "/* */" ;;
    resources/man/*.[1-9]) echo '.\"' ;;
  esac
}

licence_for() {
  case "$1" in
    *.metainfo.xml*) echo "$metainfo_licence" ;;
    *) echo "$program_licence" ;;
  esac
}

has_line() {
  head -n 5 "$1" | grep -q "SPDX-License-Identifier: $2"
}

# The number of lines that must stay above the licence line.
lines_before() {
  case "$(head -n 1 "$1")" in
    '#!'* | '<?xml'* | '<!DOCTYPE'* | '<!doctype'*) echo 1 ;;
    *) echo 0 ;;
  esac
}

missing=0
while IFS= read -r file; do
  comment=$(comment_for "$file")
  [ -n "$comment" ] && [ -f "$file" ] || continue
  licence=$(licence_for "$file")
  has_line "$file" "$licence" && continue
  if $check; then
    echo "$file has no line \"SPDX-License-Identifier: $licence\" at its top" >&2
    missing=$((missing + 1))
    continue
  fi
  read -r opening closing <<<"$comment"
  line="$opening SPDX-License-Identifier: $licence${closing:+ $closing}"
  before=$(lines_before "$file")
  {
    head -n "$before" "$file"
    printf '%s\n' "$line"
    tail -n +"$((before + 1))" "$file"
  } >"$file.licence-line"
  chmod --reference="$file" "$file.licence-line"
  mv "$file.licence-line" "$file"
done < <(source_files)

if $check && [ "$missing" -gt 0 ]; then
  echo "$missing source files lack their licence line: run scripts/add-licence-lines.sh" >&2
  exit 1
fi
