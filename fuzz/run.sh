#!/bin/sh
# Runs a fuzzer (conv: CConv; pull: the master-file reader; dialog: the dialog manager and the
# controller on a template, also with one allocation failing) from its checked-in seed corpus for a bounded time; fails when the
# fuzzer finds anything.
#   fuzz/run.sh NAME BUILD_DIR SECONDS
# BUILD_DIR is a build configured with CC=clang CXX=clang++ -DTKP_BUILD_FUZZ=ON.
set -eu

if [ $# -ne 3 ]; then
    echo "usage: $0 conv|pull|dialog BUILD_DIR SECONDS" >&2
    exit 2
fi
name=$1
build_dir=$2
seconds=$3
fuzz_dir=$(cd "$(dirname "$0")" && pwd)
fuzzer=$build_dir/bin/${name}_fuzz

case $name in
conv) max_len=1024 ;;
# Three master files and the typed characters.
pull) max_len=4096 ;;
# Two bytes choosing the failing allocation, and a dialog template; the seeds (the library's own,
# and extended templates of the tests and of the corpus in tests/corpus) are 290 to 1194 bytes.
dialog) max_len=4098 ;;
*)
    echo "no fuzzer named $name" >&2
    exit 2
    ;;
esac
if [ ! -x "$fuzzer" ]; then
    echo "$fuzzer is missing: build the ${name}_fuzz target first" >&2
    exit 2
fi

# New inputs go to a scratch corpus so that the seeds stay as checked in; a finding is kept
# in the build folder for replay (run the fuzzer with the file as its argument).
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
artifacts=$build_dir/fuzz-artifacts
mkdir -p "$artifacts"

"$fuzzer" -max_total_time="$seconds" -timeout=10 -max_len="$max_len" -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$scratch" "$fuzz_dir/corpus/$name"
