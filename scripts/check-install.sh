#!/usr/bin/env bash
# Installs a build into a temporary prefix and starts the installed programs
# on the virtual mouse: they must find their data in share/mousecfg/, keep
# the user's state in the XDG configuration folder and write nothing into the
# prefix. With --deb it also builds the Debian package, prints its
# dependencies and files, runs lintian on it (no error, no warning) and checks
# the packaged manual pages, completion and programs against each other.
# Usage: check-install.sh BUILD_DIR [--deb]
set -euo pipefail
build=$(cd "${1:?usage: check-install.sh BUILD_DIR [--deb]}" && pwd)
deb=${2:-}
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
export XDG_CONFIG_HOME=$work/xdg
export QT_QPA_PLATFORM=offscreen
unset QT_LOGGING_RULES

fail() { echo "check-install: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
app_id=io.github.mousecfg.Mousecfg
for f in bin/mousecfg bin/mousecfgctl share/mousecfg/DefaultProfile.bin share/mousecfg/Configs/Config.ini \
         share/mousecfg/Configs/LangConfig.ini share/mousecfg/lang/en.qm share/mousecfg/lang/sc.qm \
         share/mousecfg/lang/tc.qm lib/udev/rules.d/70-mousecfg.rules share/applications/$app_id.desktop \
         share/icons/hicolor/scalable/apps/$app_id.svg share/metainfo/$app_id.metainfo.xml \
         bin/mousecfg-osd share/man/man1/mousecfg.1.gz share/man/man1/mousecfgctl.1.gz \
         share/man/man1/mousecfg-osd.1.gz share/bash-completion/completions/mousecfgctl \
         share/doc/mousecfg/copyright share/doc/mousecfg/changelog.gz; do
    [ -e "$prefix/$f" ] || fail "missing from the installation: $f"
done
[ -n "$(ls -A "$prefix/share/mousecfg/skin")" ] || fail "the skin is not installed"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
    fail "the metainfo file does not validate"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "the desktop entry does not validate"
fi

snapshot() { (cd "$prefix" && find . -printf '%p %s %T@\n' | sort); }
before=$(snapshot)

# The window, started as a user would, until it says it runs.
"$prefix/bin/mousecfg" --virtual 2>"$work/gui.err" &
gui=$!
for _ in $(seq 1 600); do
    grep -q "mousecfg: running" "$work/gui.err" && break
    kill -0 "$gui" 2>/dev/null || break
    sleep 0.1
done
grep -q "mousecfg: running" "$work/gui.err" || { cat "$work/gui.err" >&2; fail "the installed window did not start"; }
kill "$gui"
wait "$gui" 2>/dev/null || true

# The tool writes the stored configuration to the virtual mouse and notes it.
"$prefix/bin/mousecfgctl" --virtual apply || fail "the installed mousecfgctl could not apply"

[ -f "$XDG_CONFIG_HOME/mousecfg/Config.ini" ] || fail "no configuration under XDG_CONFIG_HOME"
[ -f "$XDG_CONFIG_HOME/mousecfg/LangConfig.ini" ] || fail "no language configuration under XDG_CONFIG_HOME"
[ "$before" = "$(snapshot)" ] || { diff <(echo "$before") <(snapshot) >&2 || true; fail "the programs wrote into the prefix"; }
echo "check-install: installed programs ran; state in $(cd "$XDG_CONFIG_HOME" && find . -type f | sort | tr '\n' ' ')"

if [ "$deb" = "--deb" ]; then
    (cd "$build" && cpack -G DEB >/dev/null)
    package=$(ls -t "$build"/mousecfg_*.deb | head -n1)
    info=$(dpkg-deb --info "$package")
    grep -E '^ (Package|Version|Depends|Recommends|Suggests):' <<<"$info"
    grep -q '^ Recommends:.*fonts-noto-cjk' <<<"$info" || fail "the package does not recommend fonts-noto-cjk"
    grep -q '^ Depends:.*libqt' <<<"$info" || fail "the package lists no Qt dependency"
    dpkg-deb --contents "$package" | awk '{print $6}'
    command -v lintian >/dev/null || fail "lintian is missing (apt-get install lintian)"
    # lintian's note that it runs as root is no finding.
    if ! findings=$(lintian --fail-on error,warning "$package" 2>&1); then
        echo "$findings" >&2
        fail "lintian finds errors or warnings in the package"
    fi
    grep -v 'running with root privileges' <<<"$findings" || true
    echo "check-install: lintian accepts $(basename "$package")"
    dpkg-deb -x "$package" "$work/deb"
    "$here/scripts/check-docs.sh" "$work/deb/usr/bin" "$work/deb/usr/share/man/man1" \
        "$work/deb/usr/share/bash-completion/completions/mousecfgctl" "$(dpkg-deb -f "$package" Version)" ||
        fail "the packaged programs, manual pages and completion disagree"
fi
