#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the programs' own texts against their documents:
# - --help and --version of every program exit 0 with their text in an
#   environment without a display (no DISPLAY, WAYLAND_DISPLAY or
#   QT_QPA_PLATFORM), and the version is the build's;
# - every option of every --help, and every command and exit status of
#   mousecfgctl's, is in the program's manual page (and, when `man` is there,
#   in the page as man shows it);
# - the bash completion offers exactly mousecfgctl's commands and options.
# Usage: check-docs.sh BIN_DIR MAN_DIR COMPLETION_FILE [VERSION]
set -euo pipefail
bin=${1:?usage: check-docs.sh BIN_DIR MAN_DIR COMPLETION_FILE [VERSION]}
man_dir=${2:?usage: check-docs.sh BIN_DIR MAN_DIR COMPLETION_FILE [VERSION]}
completion=${3:?usage: check-docs.sh BIN_DIR MAN_DIR COMPLETION_FILE [VERSION]}
version=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "check-docs: $*" >&2
    failures=$((failures + 1))
}

# A bare environment: no display of any kind; the sanitizers' settings stay.
bare() {
    local keep=()
    for v in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS TSAN_OPTIONS; do
        [ -n "${!v:-}" ] && keep+=("$v=${!v}")
    done
    env -i PATH=/usr/bin:/bin HOME="$work" LANG=C.UTF-8 "${keep[@]}" "$@"
}

# The page's text with the roff escapes for hyphens and minus signs undone.
page_source() {
    local page=$man_dir/$1.1
    [ -f "$page" ] || page=$page.gz
    [ -f "$page" ] || return 1
    zcat -f "$page" | sed -e 's/\\-/-/g' -e 's/\\(hy/-/g'
}

# A whole word of options or commands: "--virtual" is not "--virtual-fault".
has_word() { grep -qE -- "(^|[^-a-z@])$1([^-a-z@]|$)"; }

for program in mousecfg mousecfgctl mousecfg-osd; do
    [ -x "$bin/$program" ] || { fail "$bin/$program is missing"; continue; }
    if ! bare "$bin/$program" --help >"$work/$program.help" 2>"$work/$program.err" ||
        ! grep -qi '^usage:' "$work/$program.help"; then
        fail "$program --help does not print its usage without a display: $(head -c 300 "$work/$program.err")"
    fi
    if ! bare "$bin/$program" --version >"$work/$program.version" 2>>"$work/$program.err"; then
        fail "$program --version fails without a display: $(head -c 300 "$work/$program.err")"
    elif ! grep -qE "^$program ${version:-[0-9]+\.[0-9]+}" "$work/$program.version"; then
        fail "$program --version prints \"$(head -n1 "$work/$program.version")\", not its name and version $version"
    fi
    if ! page_source "$program" >"$work/$program.roff"; then
        fail "no manual page for $program in $man_dir"
        continue
    fi
    for option in $(grep -oE -- '(^|[ ,])--?[a-z][-a-z]*' "$work/$program.help" | tr -d ' ,' | sort -u); do
        has_word "$option" <"$work/$program.roff" || fail "$program's manual page lacks the option $option"
    done
done

# The commands and exit statuses of mousecfgctl, from its own help.
help=$work/mousecfgctl.help
commands=$(awk '/^Commands:/ {on = 1; next} /^$/ {on = 0} on && /^  [a-z]/ {print $1}' "$help")
statuses=$(awk '/^Exit status:/ {on = 1; next} /^$/ {on = 0} on && /^  [0-9]/ {print $1}' "$help")
[ -n "$commands" ] || fail "mousecfgctl --help lists no commands"
[ -n "$statuses" ] || fail "mousecfgctl --help lists no exit statuses"
shown=
if command -v man >/dev/null && command -v col >/dev/null && [ -s "$work/mousecfgctl.roff" ]; then
    shown=$work/mousecfgctl.shown
    MANWIDTH=100 man -l "$work/mousecfgctl.roff" 2>/dev/null | col -b >"$shown" || fail "man cannot show the page of mousecfgctl"
fi
for command in $commands; do
    grep -qE "^\.BI? $command( |$)" "$work/mousecfgctl.roff" || fail "mousecfgctl's manual page lacks the command $command"
    [ -z "$shown" ] || grep -qE "^ +$command( |$)" "$shown" || fail "man mousecfgctl does not show the command $command"
done
for status in $statuses; do
    grep -qx "\.B $status" "$work/mousecfgctl.roff" || fail "mousecfgctl's manual page lacks the exit status $status"
    [ -z "$shown" ] || sed -n '/^EXIT STATUS/,/^[A-Z]/p' "$shown" | grep -qE "^ +$status " ||
        fail "man mousecfgctl does not show the exit status $status"
done

# What the completion offers for the first word, and for a word that starts
# with a dash.
offered() {
    bash -c 'source "$1"; COMP_WORDS=(mousecfgctl "$2"); COMP_CWORD=1; _mousecfgctl; printf "%s\n" "${COMPREPLY[@]}"' \
        _ "$completion" "$1" | sort
}
options=$(grep -oE -- '(^|[ ,])--[a-z][-a-z]*' "$help" | tr -d ' ,' | sort -u)
[ "$(offered '')" = "$(sort <<<"$commands")" ] ||
    fail "the completion offers the commands \"$(offered '' | xargs)\", mousecfgctl has \"$(xargs <<<"$commands")\""
[ "$(offered -)" = "$options" ] ||
    fail "the completion offers the options \"$(offered - | xargs)\", mousecfgctl has \"$(xargs <<<"$options")\""

[ $failures -eq 0 ] || exit 1
echo "check-docs: help, version, manual pages and completion agree"
