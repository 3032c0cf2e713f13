#!/usr/bin/env bash
# The release archive that `make dist` writes holds exactly the extender and the
# console as built (stripped), the README, the reference and the samples.
#   members.sh ZIP SOURCE_DIR BUILD_DIR
set -euo pipefail
zip=$1 source=$2 build=$3

expected=$( (printf '%s\n' korvanet.dll zubhost.exe README.md
             cd "$source" && find samples docs -type f 2>/dev/null) | sort)
actual=$(unzip -Z1 "$zip" | grep -v '/$' | sort)
if [ "$expected" != "$actual" ]; then
    echo "members of $zip differ from what is expected (< expected, > found):"
    diff <(echo "$expected") <(echo "$actual") || true
    exit 1
fi
for binary in korvanet.dll zubhost.exe; do
    unzip -p "$zip" "$binary" | cmp -s - "$build/$binary" || { echo "$binary in $zip is not the one built"; exit 1; }
done
echo "$zip: $(echo "$actual" | wc -l) members as expected"
