#!/usr/bin/env bash
# The same job done the ordinary way, to compare against: awk maps every line
# onto the picked numbers and sorts it, then sort(1) orders the lines.
#   pipeline.sh WHEEL BASE_KEYS SELECTED_KEYS OUTPUT
set -euo pipefail
LC_ALL=C awk -v base="$2" -v selected="$3" '
function sort_range(a, from, to,    i, j, t) {
  for (i = from + 1; i <= to; i++) {
    t = a[i]
    for (j = i - 1; j >= from && a[j] > t; j--) a[j + 1] = a[j]
    a[j + 1] = t
  }
}
BEGIN {
  ORS = "\r\n"
  nb = split(base, b, ",")
  ns = split(selected, s, ",")
  for (i = 1; i <= nb; i++) picked[i] = b[i] + 0
  for (i = 1; i <= ns; i++) picked[nb + i] = s[i] + 0
  sort_range(picked, 1, nb)            # base keys first, ascending,
  sort_range(picked, nb + 1, nb + ns)  # then the selected ones
}
NF > 0 {
  for (i = 1; i <= NF; i++) v[i] = picked[$i + 0]
  sort_range(v, 1, NF)
  line = sprintf("%02d", v[1])
  for (i = 2; i <= NF; i++) line = line sprintf(" %02d", v[i])
  print line
}' "$1" | LC_ALL=C sort > "$4"
