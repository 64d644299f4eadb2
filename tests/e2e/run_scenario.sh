#!/bin/sh
# Runs one scenario through the real host and component, as an operator's session would
# run: a fresh data root and LPC directory each time, screenshots into SHOT_DIR (emptied
# first), the files of scenarios/data copied to a folder of the run. The host's exit code
# is the outcome (0 passed, 1 a step failed, 2 bad script).
#   run_scenario.sh HOST COMPONENT SCRIPT SHOT_DIR
set -eu
host=$1
component=$2
script=$3
shots=$4
# Short: the LPC socket path must fit sun_path.
work=$(mktemp -d /tmp/scn-XXXXXX)
trap 'rm -rf "$work"' EXIT INT TERM
rm -rf "$shots"
mkdir -p "$shots" "$work/files"
# The files the scenarios read (tests/e2e/scenarios/data) and write, in a folder of the run.
data=$(dirname "$script")/data
if [ -d "$data" ]; then
    cp -R "$data"/. "$work/files"/
fi
QORVA_LPC_DIR="$work/l" QORVA_UI_SHOT_DIR="$shots" QORVA_UI_FILE_DIR="$work/files" \
    "$host" --headless --component "$component" --data-root "$work/root" --init-timeout 180 --script "$script"
