#!/bin/sh
# Runs a test with its own HOME and a private runtime folder, so that no test
# sees another's lock file or settings.
set -e
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -m 700 "$dir/run"
HOME="$dir" XDG_RUNTIME_DIR="$dir/run" "$@"
