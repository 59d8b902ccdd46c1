# Sourced by the benchmark scripts from the project root: builds one
# benchmark program quietly (its log only on failure) and sets BENCH to its
# absolute path. BUILD_DIR must be set.
byg_bench() {
    log=$(mktemp)
    if ! MARVIKEL_BUILD_DIR="$BUILD_DIR" scripts/build.sh --target "$1" >"$log" 2>&1; then
        cat "$log"
        rm -f "$log"
        exit 1
    fi
    rm -f "$log"
    case "$BUILD_DIR" in
        /*) BENCH="$BUILD_DIR/bin/$1" ;;
        *) BENCH="$(pwd)/$BUILD_DIR/bin/$1" ;;
    esac
}
