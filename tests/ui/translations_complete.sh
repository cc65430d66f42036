#!/bin/sh
# Every catalogue translates every text the sources hold: lupdate brings the
# sources' texts into a copy of each catalogue, and lrelease must then find
# none unfinished. Also checks that each translation keeps the source's
# placeholders (%1, %2) and, where the source has one, an accelerator (&).
# Usage: translations_complete.sh SOURCE-DIR LUPDATE LRELEASE
set -eu
source_dir=$1 lupdate=$2 lrelease=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for catalogue in "$source_dir"/translations/*.ts; do
    name=$(basename "$catalogue")
    cp "$catalogue" "$scratch/$name"
    "$lupdate" -silent -locations none -no-obsolete "$source_dir/src" -ts "$scratch/$name"
    report=$("$lrelease" "$scratch/$name" -qm "$scratch/${name%.ts}.qm")
    case $report in
    *" 0 unfinished"*) ;;
    *) echo "$name: $report" >&2; status=1 ;;
    esac
    if ! cmp -s "$catalogue" "$scratch/$name"; then
        echo "$name: not up to date with the sources (run the target update_translations):" >&2
        diff "$catalogue" "$scratch/$name" | head -20 >&2
        status=1
    fi
    python3 - "$scratch/$name" <<'PY' || status=1
import re, sys, xml.etree.ElementTree as tree
bad = 0
for message in tree.parse(sys.argv[1]).iter("message"):
    source = message.findtext("source")
    text = message.findtext("translation") or ""
    wanted = sorted(re.findall(r"%\d", source))
    if sorted(re.findall(r"%\d", text)) != wanted or ("&" in source) != ("&" in text):
        print(f"{sys.argv[1]}: {source!r} -> {text!r}", file=sys.stderr)
        bad = 1
sys.exit(bad)
PY
done
exit $status
