#!/bin/sh
# Runs the CConv fuzzer from the checked-in seed corpus for a bounded time; fails when the
# fuzzer finds anything.
#   fuzz/run-conv.sh BUILD_DIR SECONDS
# BUILD_DIR is a build configured with CC=clang CXX=clang++ -DTKP_BUILD_FUZZ=ON.
set -eu

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR SECONDS" >&2
    exit 2
fi
build_dir=$1
seconds=$2
fuzz_dir=$(cd "$(dirname "$0")" && pwd)
fuzzer=$build_dir/bin/conv_fuzz

if [ ! -x "$fuzzer" ]; then
    echo "$fuzzer is missing: build the conv_fuzz target first" >&2
    exit 2
fi

# New inputs go to a scratch corpus so that the seeds stay as checked in; a finding is kept
# in the build folder for replay (run the fuzzer with the file as its argument).
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
artifacts=$build_dir/fuzz-artifacts
mkdir -p "$artifacts"

"$fuzzer" -max_total_time="$seconds" -timeout=10 -max_len=1024 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$scratch" "$fuzz_dir/corpus/conv"
