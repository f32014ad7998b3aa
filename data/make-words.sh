#!/usr/bin/env bash
# Builds words.lst, the shipped master word list, from Debian's scowl package
# (built against scowl 2020.12.07-2, SCOWL release 2020.12.07).
#
# Word files only (english-, american- and british-words) up to size 60; no
# names, abbreviations or contractions. Keeps lines made only of a-z with at
# least two letters, drops the words in exclude-words.txt, sorts by bytes,
# removes duplicates and ends every word with CR LF, the format the game reads.
#
# Usage: data/make-words.sh [exclude-words.txt]   (writes data/words.lst)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
scowl=/usr/share/dict/scowl
exclude="${1:-$here/../../shared/data/exclude-words.txt}"
[ -d "$scowl" ] || { echo "scowl is not installed (apt-get install scowl)" >&2; exit 1; }
[ -f "$exclude" ] || { echo "no exclusion list at $exclude" >&2; exit 1; }

files=()
for kind in english american british; do
  for size in 10 20 35 40 50 55 60; do
    f="$scowl/$kind-words.$size"
    [ -f "$f" ] && files+=("$f")
  done
done

export LC_ALL=C
grep -v '^#' "$exclude" | tr -d '\r' | grep -E '^[a-z]+$' | sort -u > "$here/.exclude.tmp"
cat "${files[@]}" \
  | grep -E '^[a-z]{2,}$' \
  | sort -u | comm -23 - "$here/.exclude.tmp" \
  | sed 's/$/\r/' > "$here/words.lst.tmp"
rm -f "$here/.exclude.tmp"
mv "$here/words.lst.tmp" "$here/words.lst"
echo "words.lst: $(wc -l < "$here/words.lst") words"
