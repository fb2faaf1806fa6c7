#!/usr/bin/env bash
# The Debian package, built from this build folder with CPack.
#   deb_test.sh contents BUILD_DIR SOURCE_DIR LIBDIR WORK_DIR
#     builds the .deb into WORK_DIR and checks its name, metadata and that it holds every file.
#   deb_test.sh install BUILD_DIR SOURCE_DIR LIBDIR WORK_DIR
#     (root only) installs that .deb with apt-get, runs the installed tool from /usr/bin on the
#     example project, removes the package and checks that none of its files is left.
set -uo pipefail
MODE="$1" BUILD="$2" SOURCE="$3" LIBDIR="$4" WORK="$5"
source "$(dirname "$0")/package_files.sh"
# Waits for another apt run to end rather than failing on its lock.
APT=(env DEBIAN_FRONTEND=noninteractive apt-get -y -o DPkg::Lock::Timeout=300)

deb_contents() {
    rm -rf "$WORK" && mkdir -p "$WORK"
    for tool in cpack dpkg-deb dpkg-shlibdeps file; do
        if ! command -v "$tool" >/dev/null; then
            skip "$tool missing (Debian: dpkg-dev, file)"
            finish
        fi
    done
    if ! (cd "$BUILD" && cpack -G DEB -B "$WORK") >"$WORK/cpack.log" 2>&1; then
        cat "$WORK/cpack.log" >&2
        fail "cpack -G DEB failed"
        finish
    fi
    local debs=("$WORK"/thermavo_*.deb)
    if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
        fail "expected one thermavo_*.deb in $WORK, found: ${debs[*]}"
        finish
    fi
    local deb="${debs[0]}"
    local arch
    arch=$(dpkg --print-architecture)
    [ "$(basename "$deb")" = "thermavo_4.0_$arch.deb" ] || fail "package file named $(basename "$deb")"

    [ "$(dpkg-deb -f "$deb" Package)" = thermavo ] || fail "package name"
    [ "$(dpkg-deb -f "$deb" Version)" = 4.0 ] || fail "package version"
    [ "$(dpkg-deb -f "$deb" Section)" = science ] || fail "package section"
    [ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no maintainer"
    local depends
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    for dep in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 libc6 libstdc++6; do
        [[ "$depends" == *"$dep "* || "$depends" == *"$dep," ]] || fail "no dependency on $dep"
    done

    # Every file of an installation, under /usr, and the soname links as links.
    local listing
    listing=$(dpkg-deb -c "$deb")
    while read -r f; do
        grep -q " \./usr/$f\( ->.*\)\?$" <<<"$listing" || fail "not in the package: /usr/$f"
    done < <(expected_files)
    for lib in lumora tessil; do
        grep -q "^l.* \./usr/$LIBDIR/lib$lib.so.1 -> lib$lib.so.1.0.0$" <<<"$listing" ||
            fail "lib$lib.so.1 is not a link to lib$lib.so.1.0.0"
    done
    # Installed programs find the two libraries through the package's own library folder.
    mkdir -p "$WORK/tree" && dpkg-deb -x "$deb" "$WORK/tree"
    local runpath
    runpath=$(LC_ALL=C readelf -d "$WORK/tree/usr/bin/thermavo-cli" | sed -n 's/.*R\(UN\)\?PATH.*\[\(.*\)\]/\2/p')
    [ "$runpath" = "\$ORIGIN/../$LIBDIR" ] || fail "thermavo-cli RUNPATH is '$runpath'"
    finish
}

deb_install() {
    if [ "$(id -u)" != 0 ]; then
        skip "installing the package needs root"
        finish
    fi
    if dpkg-query -W -f='${Status}' thermavo 2>/dev/null | grep -q "install ok installed"; then
        skip "a thermavo package is installed on this machine already; it is left alone"
        finish
    fi
    local debs=("$WORK"/thermavo_*.deb)
    if [ ! -f "${debs[0]}" ]; then
        fail "no package in $WORK (the contents test builds it)"
        finish
    fi
    # A failed check must not leave the package installed.
    trap '"${APT[@]}" purge thermavo >/dev/null 2>&1' EXIT
    if ! (cd "$WORK" && "${APT[@]}" install --no-install-recommends "./$(basename "${debs[0]}")"); then
        fail "apt-get install"
        finish
    fi
    dpkg -L thermavo >"$WORK/files.txt"
    local run="$WORK/run"
    rm -rf "$run" && mkdir -p "$run"
    ldd /usr/bin/thermavo /usr/bin/thermavo-cli >"$WORK/ldd.txt"
    grep -q "not found" "$WORK/ldd.txt" && fail "installed programs miss libraries: $(grep 'not found' "$WORK/ldd.txt")"
    local lib
    for lib in $(sed -n 's/.*lib\(lumora\|tessil\)\.so\.1 => \([^ ]*\) .*/\2/p' "$WORK/ldd.txt"); do
        [ "$(realpath "$lib")" = "$(realpath "/usr/$LIBDIR/$(basename "$lib")")" ] ||
            fail "an installed program loads $lib"
    done
    [ "$(grep -c 'lib\(lumora\|tessil\)\.so\.1 =>' "$WORK/ldd.txt")" = 4 ] ||
        fail "installed programs do not load both station libraries"
    if (cd "$run" && /usr/bin/thermavo-cli build "$SOURCE/examples/office.json" -o x.Spc &&
        /usr/bin/thermavo-cli report x.Spc 200 >report.txt); then
        grep -q "Peak Cooling Load Summary Report" "$run/report.txt" ||
            fail "the installed tool printed no peak summary"
    else
        fail "the installed tool cannot build and report the example"
    fi
    # The build tree holds reference files too: the installed tool must read the installed ones.
    if command -v strace >/dev/null; then
        (cd "$run" && strace -f -e trace=openat -o trace.txt /usr/bin/thermavo-cli build \
            "$SOURCE/examples/office.json" -o y.Spc >/dev/null 2>&1)
        grep -q '"/usr/share/thermavo/qlex[0-9]*\.dat", O_RDONLY) = [0-9]' "$run/trace.txt" ||
            fail "the installed tool does not read /usr/share/thermavo"
        grep -v '"/usr/share/thermavo/' "$run/trace.txt" | grep -q 'qlex[0-9]*\.dat' &&
            fail "the installed tool reads reference files elsewhere: $(grep qlex "$run/trace.txt" | grep -v /usr/share/thermavo | head -1)"
    else
        skip "strace missing (Debian: strace): where the installed tool reads its data is not checked"
    fi
    "${APT[@]}" remove thermavo || fail "apt-get remove"
    trap - EXIT
    dpkg-query -W -f='${Status}' thermavo 2>/dev/null | grep -q "install ok installed" &&
        fail "still installed after apt-get remove"
    local left=0
    while read -r f; do
        if [ -e "$f" ] && [ ! -d "$f" ]; then
            echo "left behind: $f" >&2
            left=1
        fi
    done <"$WORK/files.txt"
    [ "$left" = 0 ] || fail "apt-get remove left files of the package"
    # Nor its record in the package database.
    dpkg --purge thermavo >/dev/null || fail "dpkg --purge"
    [ "$(wc -l <"$WORK/files.txt")" -gt 20 ] || fail "dpkg -L listed too few files"
    finish
}

case "$MODE" in
contents) deb_contents ;;
install) deb_install ;;
*) echo "usage: deb_test.sh contents|install BUILD SOURCE LIBDIR WORK" >&2; exit 2 ;;
esac
