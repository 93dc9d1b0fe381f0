#!/usr/bin/env bash
# Formats every C++ source and header of the repository with clang-format
# and the project's .clang-format.
#   scripts/format.sh           rewrites the files in place
#   scripts/format.sh --check   changes nothing; lists the files that are not
#                               formatted and fails if there is any
set -euo pipefail
cd "$(dirname "$0")/.."

mode=fix
case "${1:-}" in
"") ;;
--check) mode=check ;;
*)
    echo "usage: scripts/format.sh [--check]" >&2
    exit 2
    ;;
esac

scripts/lib/install-deps.sh format
# The version Debian 12 ships; another version may lay out a few lines
# differently.
formatter=clang-format-14
command -v "$formatter" >/dev/null || formatter=clang-format

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ $mode == fix ]]; then
    "$formatter" -i --style=file "${files[@]}"
    echo "format: formatted ${#files[@]} files"
    exit 0
fi

unformatted=()
for file in "${files[@]}"; do
    if ! "$formatter" --style=file "$file" | cmp -s - "$file"; then
        unformatted+=("$file")
    fi
done
if ((${#unformatted[@]} > 0)); then
    printf 'format: not formatted: %s\n' "${unformatted[@]}" >&2
    echo "format: run scripts/format.sh to fix" >&2
    exit 1
fi
echo "format: all ${#files[@]} files formatted"
