#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice: once as
# developers build it, once under AddressSanitizer and UndefinedBehaviorSanitizer. Headless:
# the tests run on Qt's offscreen platform. Also checks the formatting.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
jobs=$(nproc)

echo "== clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
echo "formatting: clean"

for preset in dev asan; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$jobs"
    echo "== $preset tests"
    ctest --preset "$preset" -j"$jobs"
done
