# Sourced by the packaging tests: the files an installation must hold, relative to its prefix.
# Needs SOURCE (the source tree) and LIBDIR (the library folder relative to the prefix).
APP_ID=org.thermavo.Thermavo
MIME_TYPE=application/x-thermavo-project
MIME_ICON=application-x-thermavo-project

expected_files() {
    local f
    echo bin/thermavo
    echo bin/thermavo-cli
    for lib in lumora tessil; do
        echo "$LIBDIR/lib$lib.so.1"
        echo "$LIBDIR/lib$lib.so.1.0.0"
    done
    # Every reference source becomes one installed data file; every help page is installed.
    for f in "$SOURCE"/data/reference/qlex*.csv; do
        echo "share/thermavo/$(basename "$f" .csv).dat"
    done
    echo share/thermavo/tips.txt
    for f in "$SOURCE"/data/help/*.html; do
        echo "share/thermavo/help/$(basename "$f")"
    done
    echo "share/applications/$APP_ID.desktop"
    echo "share/mime/packages/$APP_ID.xml"
    echo "share/metainfo/$APP_ID.metainfo.xml"
    echo "share/icons/hicolor/scalable/apps/$APP_ID.svg"
    echo "share/icons/hicolor/scalable/mimetypes/$MIME_ICON.svg"
    for size in 48 256; do
        echo "share/icons/hicolor/${size}x$size/apps/$APP_ID.png"
        echo "share/icons/hicolor/${size}x$size/mimetypes/$MIME_ICON.png"
    done
    echo share/man/man1/thermavo.1.gz
    echo share/man/man1/thermavo-cli.1.gz
}

# Test outcome helpers: a check that cannot run is a skip with its reason, never a pass.
FAILED=0
SKIPPED=()
fail() { echo "FAIL: $*" >&2; FAILED=1; }
skip() { echo "SKIP: $*"; SKIPPED+=("$*"); }
finish() {
    [ "$FAILED" = 0 ] || exit 1
    if [ ${#SKIPPED[@]} -gt 0 ]; then
        printf 'Skipped: %s\n' "${SKIPPED[@]}"
        exit 77
    fi
    echo "All checks passed"
    exit 0
}
