#!/usr/bin/env bash
# The channel list's MIME type as the desktop finds it: the type is put beside the system's own
# types in a temporary MIME database, as the package's trigger does, and each detector present
# (xdg-mime, gio) must give the type for lists, whatever their names, and plain text for the
# other text files, .txt ones included. Exits 77 (skipped) without update-mime-database or
# xdg-mime's content reader.
#     mime_type.sh SOURCE_DIR
set -euo pipefail

source=$1
system_types=/usr/share/mime/packages/freedesktop.org.xml
if ! command -v update-mime-database >/dev/null || ! command -v xdg-mime >/dev/null ||
    ! command -v mimetype >/dev/null || [ ! -f "$system_types" ]; then
    echo "shared-mime-info, xdg-utils or libfile-mimeinfo-perl is missing: skipped"
    exit 77
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/skylister-mime.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/mime/packages" "$work/files"
cp "$system_types" "$source/resources/mime/skylister.xml" "$work/mime/packages/"
update-mime-database "$work/mime" 2>/dev/null
export XDG_DATA_HOME=$work XDG_DATA_DIRS=$work
# xdg-mime asks the desktop's own tool when it knows the desktop; the generic one reads the
# database.
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID

files=$work/files
cp "$source/examples/channels.txt" "$files/channels.txt"
cp "$source/examples/channels.txt" "$files/receiver-list"
printf '[SATELLITE_NAME_LIST]\n1      "ASTRA 1"\n' >"$files/bare.txt"
printf 'Shopping:\r\nmilk\r\nbread\r\n' >"$files/notes.txt"
printf '# A note that names [SATELLITE_NAME_LIST] inside a line\n' >"$files/mention.txt"
printf 'plain text\n' >"$files/jottings"

failures=0
expect() {
    local detector=$1 file=$2 wanted=$3 found
    case $detector in
    xdg-mime) found=$(xdg-mime query filetype "$files/$file") ;;
    gio) found=$(gio info -a standard::content-type "$files/$file" | sed -n 's/.*content-type: //p') ;;
    esac
    if [ "$found" = "$wanted" ]; then
        echo "ok: $detector $file is $found"
    else
        echo "FAIL: $detector takes $file for '$found', not $wanted"
        failures=$((failures + 1))
    fi
}
detectors=(xdg-mime)
command -v gio >/dev/null && detectors+=(gio)
for detector in "${detectors[@]}"; do
    for list in channels.txt receiver-list bare.txt; do
        expect "$detector" "$list" application/x-skylister-list
    done
    for other in notes.txt mention.txt jottings; do
        expect "$detector" "$other" text/plain
    done
done
[ "$failures" -eq 0 ]
