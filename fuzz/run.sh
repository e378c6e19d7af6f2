#!/usr/bin/env bash
# Builds every fuzz/*_fuzz.cpp with clang's libFuzzer and sanitizers and runs
# each for a bounded time. Not part of `make test`.
#
#   fuzz/run.sh            60 s per target
#   fuzz/run.sh 600        600 s per target
#   fuzz/run.sh --short    5 s per target (for CI)
#
# A target names the sources it needs in a comment line
#   // fuzz-sources: dir/a.cpp dir/b.cpp
# and, if it needs libraries, the pkg-config packages in
#   // fuzz-pkg-config: Qt6Core
# Seeds come from fuzz/corpus/<target>/, tokens from fuzz/<target>.dict.
# Binaries, the growing corpus and crash files go to build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
case "${1:-}" in
--short) seconds=5 ;;
"") ;;
*[!0-9]* | 0)
    echo "usage: $0 [SECONDS | --short]" >&2
    exit 2
    ;;
*) seconds=$1 ;;
esac

out=build-fuzz
mkdir -p "$out"
CXX=${FUZZ_CXX:-clang++}
flags=(-std=c++20 -g -O1 -I. -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
    -fno-omit-frame-pointer -Wall -Wextra)

status=0
for src in fuzz/*_fuzz.cpp; do
    [ -e "$src" ] || continue
    name=$(basename "$src" .cpp)
    sources=$(sed -n 's|^// fuzz-sources:||p' "$src")
    packages=$(sed -n 's|^// fuzz-pkg-config:||p' "$src")
    libs=()
    if [ -n "$packages" ]; then
        # shellcheck disable=SC2086
        read -r -a libs <<<"$(pkg-config --cflags --libs $packages)"
    fi
    echo "== $name: building"
    # shellcheck disable=SC2086
    "$CXX" "${flags[@]}" "$src" $sources "${libs[@]}" -o "$out/$name"

    corpus="$out/corpus/$name"
    mkdir -p "$corpus" "$out/artifacts"
    seeds=()
    [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
    dict=()
    [ -f "fuzz/$name.dict" ] && dict=(-dict="fuzz/$name.dict")

    echo "== $name: running ${seconds}s"
    if ! "$out/$name" "${dict[@]}" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$out/artifacts/$name-" \
        "$corpus" "${seeds[@]}"; then
        echo "== $name: FAILED, see $out/artifacts/" >&2
        status=1
    fi
done
exit $status
