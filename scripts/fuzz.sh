#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) and runs
# each for a bounded time: `scripts/fuzz.sh 60` for a real run, `scripts/fuzz.sh 10` in CI.
# Seeds come from fuzz/corpus/<target>/ (and the shipped data files for the calculator);
# what a run learns stays in build/fuzz/corpus/, crashes land in build/fuzz/crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

scripts/deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

# Absolute paths: the targets change their working folder.
out=$PWD/build/fuzz
mkdir -p "$out/crashes"
failed=0
passed=0
for target in "$out"/fuzz/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$out/corpus/$name"
    mkdir -p "$corpus"
    seeds=()
    [ -d "$PWD/fuzz/corpus/$name" ] && seeds+=("$PWD/fuzz/corpus/$name")
    # The shipped calculator tables seed the data file target.
    [ "$name" = fuzz_datafile ] && seeds+=("$PWD/data")
    echo "== $name: ${seconds}s"
    if "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$out/crashes/$name-" "$corpus" "${seeds[@]}" \
        >"$out/$name.log" 2>&1; then
        tail -n 1 "$out/$name.log"
        passed=$((passed + 1))
    else
        tail -n 30 "$out/$name.log"
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
