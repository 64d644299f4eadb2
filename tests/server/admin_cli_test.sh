#!/usr/bin/env bash
# The admin tool reads its arguments before it touches any file.
set -u
tool="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
cd "$dir"
unset QORVA_SERVER_DB
fail() { echo "FAIL: $*"; exit 1; }

out="$("$tool" --help 2>/dev/null)"; rc=$?
[ "$rc" -eq 0 ] || fail "--help exited $rc"
[[ "$out" == usage:* ]] || fail "--help did not print the usage on stdout"

for bad in "" "bogus" "list nonsense" "list" "reset now" "device-fail X maybe" "--db"; do
    # shellcheck disable=SC2086
    "$tool" $bad >/dev/null 2>"$dir/err"; rc=$?
    [ "$rc" -eq 2 ] || fail "'$bad' exited $rc, not 2"
    grep -q '^usage:' "$dir/err" || fail "'$bad' printed no usage on stderr"
done
"$tool" --db other.db bogus 2>/dev/null
[ -z "$(ls -A "$dir" | grep -v '^err$')" ] || fail "a file was created: $(ls -A "$dir")"

# A good command still works.
"$tool" --db ok.db list areas >/dev/null || fail "list areas failed"
[ -f ok.db ] || fail "list areas created no database"

# Broken pages behind a valid header: reported with its own status, and the file left as it was.
RANDOM=4096
noise=""
for _ in $(seq 4096); do printf -v byte %02x $((RANDOM % 256)); noise+="\\x$byte"; done
printf "$noise" | dd of=ok.db bs=4096 seek=1 conv=notrunc status=none
before="$(md5sum < ok.db)"
"$tool" --db ok.db list areas >/dev/null 2>"$dir/err"; rc=$?
[ "$rc" -eq 3 ] || fail "a damaged database exited $rc, not 3"
grep -q 'is damaged' "$dir/err" || fail "no damage report: $(cat "$dir/err")"
[ "$(md5sum < ok.db)" = "$before" ] || fail "the damaged file was changed"
echo "admin tool arguments and damaged database: ok"
