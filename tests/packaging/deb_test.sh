#!/usr/bin/env bash
# Builds the Debian package from an already built tree (cpack installs what the build made; nothing
# is compiled again) and checks it as an archive tool and Debian's own checker see it.
#   deb_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

(cd "$build" && cpack -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; exit 1; }
deb="$scratch/vorlix_${version}_amd64.deb"
[ -f "$deb" ] || { ls "$scratch"; echo "FAIL: no $(basename "$deb")"; exit 1; }

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = vorlix ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = net ] || fail "Section: $(field Section)"
# Computed from the libraries the binaries link, so Qt's and the C++ runtime's packages are there.
depends=$(field Depends)
for pkg in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6; do
    grep -Eq "(^|, )${pkg//+/\\+} \(>= [^)]+\)" <<<"$depends" || fail "Depends lacks $pkg: $depends"
done
[ "$(field Description | head -n1)" = "turn forms into RouterOS 5.x/6.x console scripts" ] ||
    fail "Description: $(field Description | head -n1)"
[ "$(field Description | wc -l)" -gt 5 ] || fail "no extended description"

# The same files as `cmake --install`, under /usr, owned by root, with the right modes.
dpkg-deb --contents "$deb" >"$scratch/contents"
awk '$1 !~ /^d/ {sub(/^\.\/usr\//, "", $6); print $6}' "$scratch/contents" | sort >"$scratch/got"
grep -v '^#' "$here/installed_files.txt" | sort >"$scratch/want"
diff -u "$scratch/want" "$scratch/got" || fail "packaged files differ from installed_files.txt"
awk '$2 != "root/root" {print "FAIL: " $6 " is owned by " $2}' "$scratch/contents" | grep . && fail "owners"
awk '$1 !~ /^d/ && $6 ~ /^\.\/usr\/bin\// && $1 != "-rwxr-xr-x" {print "FAIL: " $6 " is " $1}' "$scratch/contents" |
    grep . && fail "modes"

# Stripped: the debug information stays in the build tree.
dpkg-deb -x "$deb" "$scratch/root"
for exe in "$scratch"/root/usr/bin/*; do
    sections=$(readelf -S "$exe")
    grep -q '\.debug_info' <<<"$sections" && fail "$exe is not stripped"
done

# No lintian error or warning; its notes are printed for the record.
status=0
lintian --fail-on error,warning --display-info "$deb" >"$scratch/lintian" 2>&1 || status=$?
grep -v 'running with root privileges' "$scratch/lintian" || true
[ "$status" -eq 0 ] || fail "lintian exited with $status"

echo "$(basename "$deb"): $(wc -l <"$scratch/got") files; $failures failures"
[ "$failures" -eq 0 ]
