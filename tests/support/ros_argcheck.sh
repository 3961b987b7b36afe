#!/bin/sh
# ros_argcheck.sh TOOL DIR: every command line of the *.rsc files in DIR through the RouterOS argument
# checker TOOL. Exits 77 (skipped) where the checker cannot run: no python3, no tool, or the tool
# could not fetch the parser it borrows.
tool=$1
dir=$2
command -v python3 >/dev/null 2>&1 || { echo "python3 missing"; exit 77; }
[ -f "$tool" ] || { echo "$tool missing"; exit 77; }
out=$(python3 "$tool" "$dir"/*.rsc 2>&1)
rc=$?
echo "$out"
case $out in *"could not download"*) exit 77 ;; esac
[ $rc -eq 0 ] && echo "checked:" "$dir"/*.rsc
exit $rc
