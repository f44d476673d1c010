#!/bin/bash
# quorvex-bench --develop PLAY: a kept play's tickets on stdout, exactly as VIEW
# lists them; a damaged play gives its faulty line on stderr and exit status 1.
set -u
bench=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Base 50 and 77 take the wheel's 1 and 2; 3, 61 and 88 its 3, 4 and 5.
printf 'Quorvex play 1\r\ngame: 6 of 90\r\nballs: 90\r\ndrawn: 6\r\nprice: 1.00\r\nprizes: none\r\nnumbers: 03 50 61 77 88\r\nbase: 50 77\r\nwheel:\r\n1 2 3\r\n2 3 4\r\n1 4 5\r\n' >"$work/play.txt"
printf '03 50 77\r\n03 61 77\r\n50 61 88\r\n' >"$work/want.txt"
"$bench" --develop "$work/play.txt" >"$work/got.txt" 2>"$work/err.txt" ||
  fail "a good play: exit status $?, $(cat "$work/err.txt")"
cmp -s "$work/got.txt" "$work/want.txt" || fail "tickets differ: $(od -c "$work/got.txt" | head -5)"

sed 's/3 4\r$/3 x\r/' "$work/play.txt" >"$work/bad.txt"
if "$bench" --develop "$work/bad.txt" >"$work/got.txt" 2>"$work/err.txt"; then
  fail "a damaged play was developed"
fi
grep -q 'Line 11: "x" is not a number 1-49' "$work/err.txt" || fail "damaged: $(cat "$work/err.txt")"
[ ! -s "$work/got.txt" ] || fail "a damaged play printed tickets"

# Picks that do not match the wheel: GENERATE's notice, no tickets.
sed 's/^numbers: 03 /numbers: /' "$work/play.txt" >"$work/short.txt"
if "$bench" --develop "$work/short.txt" >"$work/got.txt" 2>"$work/err.txt"; then
  fail "a play short of a number was developed"
fi
grep -q 'Select another 1 numbers' "$work/err.txt" || fail "short: $(cat "$work/err.txt")"
echo "develop play: ok"
