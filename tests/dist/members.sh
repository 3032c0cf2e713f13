#!/usr/bin/env bash
# The release's archives as `make dist` writes them. The user's holds exactly the
# extender and the console as built (stripped), README.md and README.txt (the same text
# in Windows line ends), an HTML page for every page of the reference with its pictures
# and stylesheet, the samples with their media, and the runtime's licences. The
# conformance kit's holds, in its folder, everything the build's kit.txt lists, the same
# extender, and a run-tests.cmd in Windows line ends.
#   members.sh DIST_DIR VERSION SOURCE_DIR BUILD_DIR
set -euo pipefail
dist=$1 version=$2 source=$3 build=$4
zip=$dist/korvanet-$version.zip kit=$dist/korvanet-$version-tests.zip
failed=0
fail() { echo "$*"; failed=1; }
members() { unzip -Z1 "$1" | grep -v '/$' | sort; }
compare() { # zip, expected members
    local actual
    actual=$(members "$1")
    if [ "$2" != "$actual" ]; then
        fail "members of $1 differ from what is expected (< expected, > found):"
        diff <(echo "$2") <(echo "$actual") || true
    fi
}

expected=$( (printf '%s\n' korvanet.dll zubhost.exe README.md README.txt docs/reference.css \
                 licences/mingw-w64-runtime.txt licences/gcc-runtime.txt
             cd "$source"
             for page in docs/*.md; do
                 case $page in docs/README.md) echo docs/index.html ;; *) echo "${page%.md}.html" ;; esac
             done
             find docs/images samples -type f ! -name make-media) | sort)
compare "$zip" "$expected"
for binary in korvanet.dll zubhost.exe; do
    unzip -p "$zip" "$binary" | cmp -s - "$build/$binary" || fail "$binary in $zip is not the one built"
done
unzip -p "$zip" README.txt | cmp -s - <(sed 's/\r*$/\r/' "$source/README.md") ||
    fail "README.txt in $zip is not README.md in Windows line ends"
grep -q 'GCC RUNTIME LIBRARY EXCEPTION' <(unzip -p "$zip" licences/gcc-runtime.txt) ||
    fail "licences/gcc-runtime.txt in $zip lacks the runtime library exception"

folder=korvanet-$version-tests
expected=$(while IFS=$'\t' read -r from to; do
               [ -n "$from" ] || continue
               if [ -d "$from" ]; then (cd "$from" && find . -type f | sed "s|^\.|$folder/$to|")
               else echo "$folder/$to"; fi
           done <"$build/kit.txt" | sort)
compare "$kit" "$expected"
unzip -p "$kit" "$folder/korvanet.dll" | cmp -s - "$build/korvanet.dll" || fail "korvanet.dll in $kit is not the one built"
[ "$(unzip -p "$kit" "$folder/run-tests.cmd" | grep -vc $'\r$')" -eq 0 ] || fail "run-tests.cmd in $kit has lines without CR LF"

[ "$failed" -eq 0 ] || exit 1
echo "$zip: $(members "$zip" | wc -l) members as expected; $kit: $(members "$kit" | wc -l)"
