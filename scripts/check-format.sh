#!/usr/bin/env bash
# Fails when a C++ file of the repository is not laid out as .clang-format says; prints the files.
# Fix with: clang-format -i FILE (a data table keeps its hand layout between
# `// clang-format off` and `// clang-format on`).
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
    echo "check-format: clang-format is not installed" >&2
    exit 1
fi
bad=0
while IFS= read -r f; do
    if ! clang-format --dry-run -Werror "$f" >/dev/null 2>&1; then
        echo "not formatted: $f" >&2
        bad=1
    fi
done < <(git ls-files '*.cpp' '*.h' 2>/dev/null ||
         find src tests tools bench fuzz -name '*.cpp' -o -name '*.h')
exit $bad
