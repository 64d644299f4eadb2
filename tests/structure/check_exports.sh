#!/usr/bin/env bash
# Fails when a shared library or plug-in exports a symbol it does not own.
#
#   check_exports.sh RULES DIR...
#
# Every *.so under the DIRs must match a line of RULES:
#   <file name glob> <owner>...
# An owner is a C++ namespace ("protocol": protocol::..., also as a template argument
# such as Base::CSingleton<protocol::X>) or a C symbol, where a trailing * matches a
# prefix ("CrashAPI_*"). Prints the number of exported symbols of each file.
set -euo pipefail

rules="$1"
shift
status=0

owners_of() {
    local name="$1" glob rest
    while read -r glob rest; do
        [[ -z "$glob" || "$glob" == \#* ]] && continue
        # shellcheck disable=SC2053 # the glob is meant to match
        if [[ "$name" == $glob ]]; then
            echo "$rest"
            return 0
        fi
    done <"$rules"
    return 1
}

while IFS= read -r lib; do
    name="$(basename "$lib")"
    if ! owners="$(owners_of "$name")"; then
        echo "FAIL $name: no line in $(basename "$rules") says what it may export" >&2
        status=1
        continue
    fi
    symbols="$(nm -DC --defined-only "$lib" | sed -E 's/^[0-9a-fA-F]+ [A-Za-z] //')"
    count="$(grep -c . <<<"$symbols" || true)"
    foreign="$(awk -v owners="$owners" '
        BEGIN { n = split(owners, list, " ") }
        {
            s = $0
            # What a vtable, typeinfo, guard or thunk belongs to.
            while (match(s, /^(vtable for |typeinfo for |typeinfo name for |VTT for |guard variable for |non-virtual thunk to |virtual thunk to |covariant return thunk to |construction vtable for )/))
                s = substr(s, RLENGTH + 1)
            head = s
            paren = index(head, "(")
            if (paren > 0)
                head = substr(head, 1, paren - 1)
            ok = 0
            for (i = 1; i <= n && !ok; i++) {
                o = list[i]
                if (o ~ /\*$/) {
                    if (index(s, substr(o, 1, length(o) - 1)) == 1)
                        ok = 1
                } else if (index(o, "::") == 0 && s == o) {
                    ok = 1
                } else if (index(head, o "::") == 1 || index(head, "<" o "::") > 0 || index(head, ", " o "::") > 0) {
                    ok = 1
                }
            }
            if (!ok)
                print $0
        }' <<<"$symbols")"
    if [[ -n "$foreign" ]]; then
        echo "FAIL $name: $count exported, $(grep -c . <<<"$foreign") outside [$owners]:" >&2
        head -n 25 <<<"$foreign" | sed 's/^/    /' >&2
        status=1
    else
        echo "ok   $name: $count exported, all of [$owners]"
    fi
done < <(find "$@" -name '*.so' -type f | sort)

exit "$status"
