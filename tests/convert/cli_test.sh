#!/bin/sh
# The Linux kvizar-convert on a real folder: exit codes, its one line, an existing target kept
# byte for byte unless --force, and no temporary file left by a refusal or a failed save.
#   cli_test.sh PATH_TO_KVIZAR_CONVERT
set -u
convert=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1
failures=0

fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

# expect CODE ARGS...: runs the converter, checks its exit code and keeps its output in out.log.
expect() {
    code=$1
    shift
    "$convert" "$@" >out.log 2>&1
    got=$?
    [ "$got" -eq "$code" ] || fail "kvizar-convert $* exited $got, not $code: $(cat out.log)"
}

# The worked example: "2+2?", answers 3, 4, 5, 22, the second right, as the test file stores it.
printf '2+2?\r\nA) 3\r\nB) 4\r\nC) 5\r\nD) 22\r\nANSWER: B\r\n' >q.txt
printf '\1\0\0\0\1\0\0\0\5\0\0\0002+2?\0\2\0\0\0003\0\2\0\0\0004\0\2\0\0\0005\0\3\0\0\00022\0' >expected.tst

expect 0 q.txt q.tst
grep -qx '1 otázka uložena do q.tst' out.log || fail "success line: $(cat out.log)"
cmp -s q.tst expected.tst || fail "q.tst differs from the worked example"

cp q.tst kept.tst
printf 'Q\nA) a\nB) b\nC) c\nD) d\nANSWER: D\n' >other.txt
expect 1 other.txt q.tst
grep -q '^q.tst: soubor už existuje' out.log || fail "existing target: $(cat out.log)"
cmp -s q.tst kept.tst || fail "a refused conversion changed the target"
expect 0 other.txt q.tst --force
cmp -s q.tst kept.tst && fail "--force left the old target"

printf 'Q\nA) a\nB) b\nANSWER: A\n' >bad.txt
expect 1 bad.txt bad.tst
grep -q '^bad.txt:4: ' out.log || fail "refusal line: $(cat out.log)"
[ -e bad.tst ] && fail "a refused conversion wrote its target"

# Round trips through both text formats give the test file back byte for byte.
expect 0 expected.tst back.csv
expect 0 back.csv back.tst
cmp -s back.tst expected.tst || fail ".tst -> .csv -> .tst differs"
expect 0 expected.tst back.txt
expect 0 back.txt back2.tst
cmp -s back2.tst expected.tst || fail ".tst -> .txt -> .tst differs"

# A save that cannot replace its target (a folder) fails and leaves no temporary file.
mkdir folder.csv && touch folder.csv/inside
expect 1 expected.tst folder.csv --force
[ -e folder.csv/inside ] || fail "the folder in the way was changed"
expect 2 q.tst
expect 2 q.tst other.tst
# Asked for, the usage is the answer: standard output and exit code 0.
for help in --help -h '/?'; do
    "$convert" "$help" >out.log 2>/dev/null || fail "kvizar-convert $help exited non-zero"
    grep -q '^použití: kvizar-convert ZDROJ CÍL' out.log || fail "$help printed: $(cat out.log)"
done

leftovers=$(ls -A | grep -c '^\.kvizar-convert-')
[ "$leftovers" -eq 0 ] || fail "temporary files left: $(ls -A)"
[ "$failures" -eq 0 ] && echo "cli_test: all checks passed"
exit "$failures"
