#!/bin/bash
# Folders depend downward only: base, ticket, betfile, draw, window, qt, from
# the bottom up. Fails, naming each line, when a file under src/ includes a
# folder above its own.
set -euo pipefail
src=${1:-$(dirname "$0")/../src}
rank() {
    case $1 in
    base) echo 0 ;; ticket) echo 1 ;; betfile) echo 2 ;; draw) echo 3 ;; window) echo 4 ;; qt) echo 5 ;; *) echo -1 ;;
    esac
}
bad=0
while IFS= read -r file; do
    own=$(rank "$(basename "$(dirname "$file")")")
    if [ "$own" -lt 0 ]; then
        echo "${file#"$src"/}: a folder with no place in the layers"
        bad=1
        continue
    fi
    while IFS=: read -r line folder; do
        if [ "$(rank "$folder")" -gt "$own" ]; then
            echo "${file#"$src"/}:$line includes $folder/, a folder above its own"
            bad=1
        fi
    done < <(grep -nE '^\s*#\s*include\s+"[a-z]+/' "$file" | sed -E 's/^([0-9]+):.*"([a-z]+)\/.*/\1:\2/')
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
if [ "$bad" -eq 0 ]; then
    echo "every include points to its own folder or one below"
fi
exit "$bad"
