#!/usr/bin/env bash
# Writes the seed inputs of both fuzz targets from the repository's own files:
#   make-seeds.sh OUT   ->  OUT/project/ (every project file) and OUT/markup/ (mark-up inputs)
# A mark-up input is one byte that chooses the page frame ('0' the default one, '1' none, '2' the
# lines up to the first empty line) followed by the lines. The report golden files are cut into
# pieces of 30 body lines, so that single inputs stay small and fast.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$1"
rm -rf "$out/project" "$out/markup"
mkdir -p "$out/project" "$out/markup"

for f in "$root"/examples/*.dat "$root"/tests/data/storage/*.dat "$root"/tests/data/fuzz/project/*; do
    [ -f "$f" ] && cp "$f" "$out/project/"
done

for f in "$root"/tests/data/report/*.txt; do
    awk -v out="$out/markup/$(basename "$f" .txt)" '
        /^=== frame ===$/ { part = "frame"; next }
        /^=== body ===$/  { part = "body"; next }
        part == "frame"   { frame = frame $0 "\n" }
        part == "body"    { body[n++] = $0 }
        END {
            for (start = 0; start < n; start += 30) {
                piece = start / 30
                file = sprintf("%s-%02d", out, piece)
                mode = piece == 0 ? "2" : (piece % 2 ? "0" : "1")
                printf "%s", mode > file
                if (mode == "2")
                    printf "%s\n", frame > file
                for (i = start; i < start + 30 && i < n; ++i)
                    print body[i] > file
                close(file)
            }
        }' "$f"
done

for f in "$root"/tests/data/document/*.txt "$root"/tests/data/fuzz/markup/*; do
    [ -f "$f" ] || continue
    case "$f" in
    */tests/data/fuzz/*) cp "$f" "$out/markup/" ;; # findings are kept as the target reads them
    *)
        { printf '0'; cat "$f"; } > "$out/markup/$(basename "$f").0"
        { printf '1'; cat "$f"; } > "$out/markup/$(basename "$f").1"
        ;;
    esac
done
