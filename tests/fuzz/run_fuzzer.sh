#!/usr/bin/env bash
# Runs one fuzz target for a fixed time on a scratch copy of its seed corpus,
# so that the repository's corpus is never modified. Fails on any finding.
# Usage: run_fuzzer.sh FUZZER SEED_CORPUS SCRATCH_DIR SECONDS
set -euo pipefail
fuzzer=$1 seeds=$2 scratch=$3 seconds=$4

rm -rf "$scratch"
mkdir -p "$scratch/corpus" "$scratch/artifacts"
cp -R "$seeds"/. "$scratch/corpus/"
cd "$scratch"
# -rss_limit_mb keeps a runaway allocation a finding; -timeout flags a hang.
exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$scratch/artifacts/" corpus
