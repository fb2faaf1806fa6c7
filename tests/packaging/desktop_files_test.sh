#!/usr/bin/env bash
# Installs into a temporary prefix and checks the desktop integration there: every file is
# installed, the launcher, AppStream data and file type definition pass their validators, and
# the shared-mime-info and desktop databases built from them map a project file made by the
# installed tool to the project type and that type to the launcher.
#   desktop_files_test.sh BUILD_DIR SOURCE_DIR LIBDIR WORK_DIR
set -uo pipefail
BUILD="$1" SOURCE="$2" LIBDIR="$3" WORK="$4"
source "$(dirname "$0")/package_files.sh"

PREFIX="$WORK/prefix"
rm -rf "$WORK" && mkdir -p "$WORK/home"
if ! cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1; then
    cat "$WORK/install.log" >&2
    fail "cmake --install failed"
    finish
fi

while read -r f; do
    [ -f "$PREFIX/$f" ] || fail "not installed: $f"
done < <(expected_files)
[ -e "$PREFIX/$LIBDIR/liblumora.so" ] && fail "development link liblumora.so installed"

DESKTOP="$PREFIX/share/applications/$APP_ID.desktop"
METAINFO="$PREFIX/share/metainfo/$APP_ID.metainfo.xml"
MIME_XML="$PREFIX/share/mime/packages/$APP_ID.xml"

# The launcher and the file type name icons by the names they are installed under.
grep -qx "Icon=$APP_ID" "$DESKTOP" || fail "launcher icon is not $APP_ID"
grep -q "<icon name=\"$MIME_ICON\"/>" "$MIME_XML" || fail "file type icon is not $MIME_ICON"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$DESKTOP" || fail "desktop-file-validate"
else
    skip "desktop-file-validate missing (Debian: desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$METAINFO" || fail "appstreamcli validate"
else
    skip "appstreamcli missing (Debian: appstream)"
fi
if command -v xmllint >/dev/null; then
    xmllint --noout "$MIME_XML" || fail "xmllint on the file type definition"
else
    skip "xmllint missing (Debian: libxml2-utils)"
fi

# The manual page of the tool lists its commands (made from its --help).
zcat "$PREFIX/share/man/man1/thermavo-cli.1.gz" 2>/dev/null | grep -q 'report IN.Spc KIND' ||
    fail "thermavo-cli.1 lacks the command list"

# Only the temporary prefix and an empty home are searched, never the machine's own settings.
export XDG_DATA_HOME="$WORK/home/data" XDG_CONFIG_HOME="$WORK/home/config"
export XDG_DATA_DIRS="$PREFIX/share:/usr/share" XDG_CONFIG_DIRS="$WORK/home/etc"
"$PREFIX/bin/thermavo-cli" new "$WORK/office.Spc" || fail "installed thermavo-cli cannot write a project"
if ! command -v update-mime-database >/dev/null; then
    skip "update-mime-database missing (Debian: shared-mime-info)"
elif ! command -v xdg-mime >/dev/null; then
    skip "xdg-mime missing (Debian: xdg-utils)"
else
    # The system's definitions go into the same database, as they share /usr/share/mime once
    # the package is installed: another type claims *.spc there.
    # (-n: an installed copy of this package's own definition must not replace the one tested.)
    cp -n /usr/share/mime/packages/*.xml "$PREFIX/share/mime/packages/" 2>/dev/null
    update-mime-database "$PREFIX/share/mime" || fail "update-mime-database"
    export XDG_DATA_DIRS="$PREFIX/share"
    # xdg-mime asks File::MimeInfo on a bare X session, GIO under GNOME: both must agree.
    cp "$WORK/office.Spc" "$WORK/lower.spc"
    for desktop in X-Generic GNOME; do
        if [ "$desktop" = GNOME ] && ! command -v gio >/dev/null; then
            skip "gio missing (Debian: libglib2.0-bin)"
            continue
        fi
        for name in office.Spc lower.spc; do
            type=$(XDG_CURRENT_DESKTOP=$desktop xdg-mime query filetype "$WORK/$name")
            [ "$type" = "$MIME_TYPE" ] || fail "xdg-mime ($desktop) gives '$type' for $name"
        done
    done
    if command -v update-desktop-database >/dev/null; then
        update-desktop-database "$PREFIX/share/applications" || fail "update-desktop-database"
        app=$(xdg-mime query default "$MIME_TYPE")
        [ "$app" = "$APP_ID.desktop" ] || fail "project files open with '$app'"
    else
        skip "update-desktop-database missing (Debian: desktop-file-utils)"
    fi
fi
finish
