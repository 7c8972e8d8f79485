#!/usr/bin/env bash
# Builds the Debian package with CPack into a temporary folder and checks it as apt and a desktop
# see it: every file in place under /usr and nothing elsewhere, the programs executable, the
# control fields (Depends computed, Recommends dtv-scan-tables, the version that the packaged
# skylister-cli prints), the desktop entry and the metainfo valid, the manual pages readable, the
# channel list's MIME type and skylister-cli's completion in place.
# lintian's findings are printed; only its errors fail the test, style-only ones aside.
#     check_package.sh CPACK BUILD_DIR USER_GUIDE
set -euo pipefail

cpack=$1
build=$2
guide=$3
work=$(mktemp -d "${TMPDIR:-/tmp}/skylister-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! (cd "$build" && "$cpack" -G DEB -B "$work" >"$work/cpack.log" 2>&1); then
    cat "$work/cpack.log"
    exit 1
fi
debs=("$work"/skylister_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || {
    echo "FAIL: no single skylister_*.deb in $work"
    exit 1
}
deb=${debs[0]}
echo "package: $(basename "$deb")"

# The files, as "MODE PATH" lines.
dpkg-deb --contents "$deb" | awk '{ print $1, $6 }' | sed 's| \./| /|' >"$work/contents"
has() { grep -q " $1\$" "$work/contents" || fail "missing $1"; }
for program in skylister skylister-cli stb-sim skylister-listgen; do
    grep -q "^-rwxr-xr-x /usr/bin/$program\$" "$work/contents" ||
        fail "/usr/bin/$program missing or not executable"
done
has /usr/share/applications/skylister.desktop
has /usr/share/icons/hicolor/scalable/apps/skylister.svg
for size in 16 32 48 64 128 256; do
    has "/usr/share/icons/hicolor/${size}x${size}/apps/skylister.png"
done
has /usr/share/metainfo/org.orvel.skylister.metainfo.xml
for page in skylister skylister-cli stb-sim skylister-listgen; do
    has "/usr/share/man/man1/$page.1.gz"
done
has /usr/share/man/man5/skylister-list.5.gz
has /usr/share/mime/packages/skylister.xml
has /usr/share/bash-completion/completions/skylister-cli
for doc in user-guide.md copyright changelog.gz; do
    has "/usr/share/doc/skylister/$doc"
done
for image in $(grep -o '(images/[^)]*\.png)' "$guide" | tr -d '()' | sort -u); do
    has "/usr/share/doc/skylister/$image"
done
outside=$(awk '$2 !~ "^/usr(/|$)" && $2 != "/"' "$work/contents")
[ -z "$outside" ] || fail "files outside /usr: $outside"

# The control fields.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libc6 libstdc++6 libqt6widgets6 libqt6svg6; do
    [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = dtv-scan-tables ] || fail "Recommends is not dtv-scan-tables"
for field in Maintainer Section Description; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "no $field"
done

# The packaged programs and files, unpacked.
dpkg-deb -x "$deb" "$work/root"
version=$(dpkg-deb -f "$deb" Version)
printed=$("$work/root/usr/bin/skylister-cli" --version)
[ "$printed" = "skylister-cli $version" ] || fail "skylister-cli --version says '$printed', the package $version"
for page in "$work"/root/usr/share/man/man[15]/*.gz; do
    gzip -t "$page" || fail "$page is not gzipped whole"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$work/root/usr/share/applications/skylister.desktop" ||
        fail "desktop-file-validate"
fi
grep -qx 'MimeType=application/x-skylister-list;' "$work/root/usr/share/applications/skylister.desktop" ||
    fail "the desktop entry does not claim the channel list's type alone"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.orvel.skylister.metainfo.xml" ||
        fail "appstreamcli validate"
fi

if command -v lintian >/dev/null; then
    # Errors that only concern the package's form fail nothing; they are printed as the others.
    style_only='^E: skylister: (no-copyright-file)'
    lintian --tag-display-limit 0 --display-info "$deb" >"$work/lintian.txt" 2>&1 || true
    echo "lintian:"
    sed 's/^/  /' "$work/lintian.txt"
    errors=$(grep '^E: ' "$work/lintian.txt" | grep -Ev "$style_only" || true)
    [ -z "$errors" ] || fail "lintian errors: $errors"
else
    echo "lintian is not installed: its checks are skipped"
fi

[ "$failures" -eq 0 ] || exit 1
echo "the package is whole"
