#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks it as a user would:
# the installed programs, run as a user who cannot write the prefix, use the
# per-user library seeded from the starter and write nothing under the
# prefix; and the desktop entry, the AppStream metadata, the man pages and
# the Debian package pass their own validators.
# Usage: tests/install/check_install.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
passed=0
failed=0
check() { # name, then the command
    local name=$1
    shift
    if "$@" >"$work/out" 2>&1; then
        echo "install: $name: ok"
        passed=$((passed + 1))
    else
        echo "install: $name: FAILED" >&2
        cat "$work/out" >&2
        failed=$((failed + 1))
    fi
}

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
prefix="$work/root/usr"
id=$(basename "$prefix"/share/applications/*.desktop .desktop)
before=$(cd "$work/root" && find . -type f -exec sha256sum {} + | sort)

# A user who may not write the prefix: nobody, when this runs as root.
home="$work/home"
mkdir -p "$home"
as_user=(env)
if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$home"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups env)
fi
as_user+=(HOME="$home" XDG_DATA_HOME="$home/data" QT_QPA_PLATFORM=offscreen)

check "vorlix --version" "${as_user[@]}" "$prefix/bin/vorlix" --version
check "vorlix-table reads the starter" \
    bash -c '"$@" | grep -q "dt  0x81,  0xEF"' _ "${as_user[@]}" "$prefix/bin/vorlix-table" Hello
# Copied out of the build, which the user may not be able to reach.
cp "$build/tests/installed_window_test" "$work/"
check "the window saves to the user's library" \
    "${as_user[@]}" VORLIX_PREFIX="$prefix" "$work/installed_window_test"
after=$(cd "$work/root" && find . -type f -exec sha256sum {} + | sort)
check "nothing under the prefix changed" test "$before" = "$after"

check "desktop-file-validate" desktop-file-validate "$prefix/share/applications/$id.desktop"
check "appstreamcli validate" appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
for page in "$prefix"/share/man/man1/*.1.gz; do
    # man reports its warnings on standard error and exits 0 all the same.
    check "man --warnings $(basename "$page")" \
        bash -c '! LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null | grep .' _ "$page"
done

(cd "$build" && cpack -G DEB >/dev/null 2>&1)
deb=$(ls "$build"/vorlix_*.deb)
# Errors fail; the one warning left is national-encoding on the starter
# library, which is Windows-1252 by design.
check "lintian $(basename "$deb")" \
    bash -c 'lintian "$1" 2>&1 | grep -v "running with root" | tee /dev/stderr | grep -q "^E:" && exit 1 || exit 0' _ "$deb"

echo "install: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
