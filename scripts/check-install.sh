#!/usr/bin/env bash
# Installs a build tree into a temporary prefix and checks the installed tree: every file in
# its place, the desktop entry, the AppStream metadata and the manual pages through their
# validators, one version number everywhere, the programs running from the prefix (the
# desktop program's --help, --version and start-up copy of DEFAULT.BIN from share/orvane/),
# and the shell completion offering every command the usage text names.
# Usage: scripts/check-install.sh [BUILD_DIR]   (default: build/ci)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

build=${1:-build/ci}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log"

app_id=io.github.orvane.Orvane
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
failures=0

pass() { echo "ok   $1"; }
fail() {
    echo "FAIL $1"
    local line
    if [[ -n ${2:-} ]]; then
        while IFS= read -r line; do echo "     $line"; done <<<"$2"
    fi
    failures=$((failures + 1))
}
# check WHAT COMMAND...: passes when the command succeeds, and prints its output when not.
check() {
    local what=$1 output
    shift
    if output=$("$@" 2>&1); then pass "$what"; else fail "$what" "$output"; fi
}
# same WHAT EXPECTED ACTUAL
same() {
    if [[ $2 == "$3" ]]; then pass "$1"; else fail "$1" "expected: $2"$'\n'"actual:   $3"; fi
}
# The width and height of a PNG file, from its IHDR chunk.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'
}

echo "== install: $build into a temporary prefix (version $version)"
share=$prefix/share
for file in bin/orvane bin/orvane-cli bin/orvane-sim-receiver share/orvane/DEFAULT.BIN \
    share/orvane/CHANNEL_DATA.BIN share/applications/$app_id.desktop \
    share/icons/hicolor/scalable/apps/$app_id.svg share/metainfo/$app_id.metainfo.xml \
    share/man/man1/orvane.1.gz share/man/man1/orvane-cli.1.gz share/man/man1/orvane-sim-receiver.1.gz \
    share/doc/orvane/copyright share/doc/orvane/changelog.gz \
    share/orvane/translations/orvane_de.qm share/orvane/translations/orvane_ru.qm \
    share/orvane/translations/orvane_zh_CN.qm share/bash-completion/completions/orvane \
    share/bash-completion/completions/orvane-cli; do
    if [[ -s $prefix/$file ]]; then pass "installed $file"; else fail "missing $file"; fi
done
for size in 16 22 24 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x$size/apps/$app_id.png
    if [[ -s $icon ]]; then
        same "icon ${size}x$size is ${size}x$size pixels" "${size}x$size" "$(png_size "$icon")"
    else
        fail "missing icon ${size}x$size"
    fi
done

echo "== validators"
check "desktop-file-validate" desktop-file-validate "$share/applications/$app_id.desktop"
check "appstreamcli validate" appstreamcli validate --no-net \
    "$share/metainfo/$app_id.metainfo.xml"
for page in orvane.1.gz orvane-cli.1.gz orvane-sim-receiver.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/$page" 2>&1 >/dev/null)
    if [[ -z $warnings ]]; then pass "man --warnings $page"; else fail "man --warnings $page" "$warnings"; fi
done

echo "== one version number"
same "metainfo release" "$version" \
    "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$share/metainfo/$app_id.metainfo.xml")"
for page in orvane.1.gz orvane-cli.1.gz orvane-sim-receiver.1.gz; do
    same "$page header" "Orvane $version" "$(zcat "$share/man/man1/$page" |
        sed -n 's/^\.TH [^"]*"[^"]*" "\([^"]*\)".*/\1/p')"
done
same "orvane-cli --version" "orvane-cli $version" "$("$prefix/bin/orvane-cli" --version)"
# The desktop program answers --version and --help without a display or a running instance.
same "orvane --version" "orvane $version" \
    "$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$prefix/bin/orvane" --version)"

echo "== the programs from the prefix"
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
check "orvane-cli info of the installed sample" \
    "$prefix/bin/orvane-cli" info "$share/orvane/CHANNEL_DATA.BIN"
check "orvane-cli verify of the installed DEFAULT.BIN" \
    "$prefix/bin/orvane-cli" verify "$share/orvane/DEFAULT.BIN"
help=$("$prefix/bin/orvane-cli" help info 2>&1) || true
same "orvane-cli help info" "  orvane-cli info FILE" "$(sed -n 2p <<<"$help" | cut -c1-22)"
status=0
"$prefix/bin/orvane-cli" help no-such-command >/dev/null 2>&1 || status=$?
same "orvane-cli help of an unknown command is wrong usage" 2 "$status"
help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/orvane" --help 2>&1) || true
for expected in "Usage: orvane [FILE]" "--lang LANG" "$work/data/Orvane/backups/" "$share/orvane/"; do
    if grep -qF -- "$expected" <<<"$help"; then pass "orvane --help names $expected"; else
        fail "orvane --help names $expected" "$help"
    fi
done
status=0
env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/orvane" --no-such-option >/dev/null 2>&1 || status=$?
same "orvane with an unknown option is wrong usage" 2 "$status"
# No DEFAULT.BIN beside the installed program: the start-up copy comes from share/orvane/.
status=0
QT_QPA_PLATFORM=offscreen timeout 10 "$prefix/bin/orvane" >"$work/orvane.log" 2>&1 || status=$?
if cmp -s "$share/orvane/DEFAULT.BIN" "$XDG_DATA_HOME/Orvane/DEFAULT.BIN"; then
    pass "start-up copy of share/orvane/DEFAULT.BIN (orvane ended with $status)"
else
    fail "start-up copy of share/orvane/DEFAULT.BIN" "$(cat "$work/orvane.log")"
fi

echo "== bash completion"
completion=$share/bash-completion/completions/orvane-cli
commands=$("$prefix/bin/orvane-cli" --help | sed -n 's/^  orvane-cli \([a-z-]*\).*/\1/p' | sort -u)
complete_words() {
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _orvane_cli
             printf "%s\n" "${COMPREPLY[@]}"' complete "$completion" orvane-cli "$@"
}
offered=$(complete_words "" | sort -u)
for command in $commands; do
    if grep -qx -- "$command" <<<"$offered"; then pass "completion offers $command"; else
        fail "completion offers $command" "$offered"
    fi
    # roff writes a hyphen in a name as "\-".
    if zcat "$share/man/man1/orvane-cli.1.gz" | grep -q "^\.BI ${command//-/'\\-'}\b"; then
        pass "orvane-cli.1 describes $command"
    else
        fail "orvane-cli.1 describes $command"
    fi
done
same "completion of --kind" "data default" "$(complete_words read --kind "" | xargs)"
same "completion of --by" "name service-id" "$(complete_words sort --by "" | xargs)"
same "completion of --kind=" "--kind=data --kind=default" "$(complete_words info --kind=d | xargs)"
same "completion of --port" "COM1 COM10" "$(complete_words write --port COM1 | xargs)"

orvane_words() {
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _orvane
             printf "%s\n" "${COMPREPLY[@]}"' complete "$share/bash-completion/completions/orvane" \
        orvane "$@"
}
same "orvane completion of options" "--help --version --lang" "$(orvane_words - | xargs)"
same "orvane completion of --lang" "de en ru zh_CN" "$(orvane_words --lang "" | xargs)"
# The installed program finds the catalogues installed beside its data.
QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/orvane" --lang ru >"$work/lang.log" 2>&1 || true
if grep -q "no translation" "$work/lang.log"; then
    fail "orvane --lang ru finds share/orvane/translations/" "$(cat "$work/lang.log")"
else
    pass "orvane --lang ru finds share/orvane/translations/"
fi

if [[ $failures -ne 0 ]]; then
    echo "== check-install: $failures check(s) failed" >&2
    exit 1
fi
echo "== check-install: the installed tree is complete and valid"
