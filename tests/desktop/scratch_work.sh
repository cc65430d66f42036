# Sourced by the session tests: a scratch folder, $work, removed at exit
# together with every process whose id the test adds to $pids.
work=$(mktemp -d)
pids=""
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
