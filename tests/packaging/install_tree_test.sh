#!/usr/bin/env bash
# `cmake --install` of a built tree into a scratch prefix, checked as a desktop and a user would see it:
# the files and their modes, the desktop entry, the AppStream data, the icon sizes, the manual pages
# (rendered without warnings, and describing every command and option --help lists) and the version.
#   install_tree_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

prefix="$scratch/usr"
cmake --install "$build" --prefix "$prefix" >"$scratch/install.log"

# Exactly the expected files, executables 0755 and the rest 0644.
(cd "$prefix" && find . -type f -printf '%P\n' | sort) >"$scratch/got"
grep -v '^#' "$here/installed_files.txt" | sort >"$scratch/want"
diff -u "$scratch/want" "$scratch/got" || fail "installed files differ from installed_files.txt"
while read -r f; do
    mode=$(stat -c %a "$prefix/$f")
    case $f in bin/*) want=755 ;; *) want=644 ;; esac
    [ "$mode" = "$want" ] || fail "$f has mode $mode, not $want"
done <"$scratch/got"

desktop="$prefix/share/applications/org.vorlix.Vorlix.desktop"
# Network;Utility; is two main categories on purpose (the entry shows under both); that hint is expected.
status=0
desktop-file-validate "$desktop" >"$scratch/desktop" 2>&1 || status=$?
grep -v 'contains more than one main category' "$scratch/desktop" && fail "desktop-file-validate has more to say"
[ "$status" -eq 0 ] || fail "desktop-file-validate exited with $status"
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Exec)" = vorlix ] && [ -x "$prefix/bin/vorlix" ] || fail "Exec= is not the installed vorlix"
[ "$(key Categories)" = "Network;Utility;" ] || fail "Categories= is $(key Categories)"
[ -n "$(key 'Name\[zh_CN\]')" ] && [ -n "$(key Comment)" ] || fail "Name[zh_CN]= or Comment= missing"
icon=$(key Icon)
for d in "$prefix"/share/icons/hicolor/*/apps; do
    ls "$d/$icon".* >/dev/null 2>&1 || fail "no icon $icon in $d"
done

metainfo="$prefix/share/metainfo/org.vorlix.Vorlix.metainfo.xml"
# Not even a note: software centres show what the notes are about (a summary's full stop, a missing rating).
appstreamcli validate --no-net "$metainfo" >"$scratch/appstream" 2>&1 || fail "appstreamcli validate failed"
grep -E '^[EWI]: ' "$scratch/appstream" && fail "appstreamcli validate has notes"
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $(basename "$desktop")"
grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\"/>" "$metainfo" ||
    fail "the metainfo's release is not $version with a date"

# A PNG's width and height are the two big-endian words after its IHDR tag.
for png in "$prefix"/share/icons/hicolor/*x*/apps/*.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "${w}x${h}" = "$size" ] || fail "$png is ${w}x${h}"
done

for page in "$prefix"/share/man/man1/*.1.gz; do
    gzip -t "$page" || fail "$page is not gzip"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page: $warnings"
    zgrep -q "^\.TH .* \"vorlix $version\"" "$page" || fail "$page does not name version $version"
done

# The manual of vorlix-cli describes every command, and every long option of every command.
cli="$prefix/bin/vorlix-cli"
manual=$(zcat "$prefix/share/man/man1/vorlix-cli.1.gz")
commands=$("$cli" --help | sed -n '/^Subcommands:/,$p' | awk 'NR > 1 && NF {print $1}')
[ -n "$commands" ] || fail "vorlix-cli --help lists no commands"
for c in $commands; do
    grep -Eq "^\.B[IR]? $c( |$)" <<<"$manual" || fail "the manual of vorlix-cli does not describe $c"
    for o in $("$cli" "$c" --help | grep -o -- '--[a-z][a-z0-9-]*' | sort -u); do
        [ "$o" = --help ] && continue
        grep -Fq -- "${o//-/\\-}" <<<"$manual" || fail "the manual of vorlix-cli does not describe $c $o"
    done
done

[ "$("$cli" --version)" = "vorlix-cli $version" ] || fail "vorlix-cli --version: $("$cli" --version)"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/vorlix" --version)" = "vorlix $version" ] ||
    fail "vorlix --version without a display"

echo "installed $(wc -l <"$scratch/got") files; $failures failures"
[ "$failures" -eq 0 ]
