#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it with
# the project's .clang-format. Only version 14 is used: other versions lay out
# some constructs differently, and the tree is formatted with 14.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

clang_format=""
for candidate in clang-format-14 clang-format; do
    if command -v "$candidate" >/dev/null 2>&1 \
            && "$candidate" --version | grep -q 'version 14\.'; then
        clang_format=$candidate
        break
    fi
done
if [[ -z "$clang_format" ]]; then
    echo "check-format: clang-format 14 not found (scripts/install-deps.sh installs it)" >&2
    exit 1
fi

mapfile -t files < <(git ls-files '*.cpp' '*.h')
differing=()
for file in "${files[@]}"; do
    if ! "$clang_format" --style=file "$file" | cmp -s - "$file"; then
        differing+=("$file")
    fi
done

if [[ ${#differing[@]} -eq 0 ]]; then
    echo "check-format: all ${#files[@]} C++ files are formatted"
    exit 0
fi

echo "check-format: ${#differing[@]} of ${#files[@]} C++ files differ from clang-format's layout:" >&2
printf '  %s\n' "${differing[@]}" >&2
echo "Fix them with:  $clang_format -i ${differing[*]}" >&2
exit 1
