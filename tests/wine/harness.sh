# Wine harness, sourced by bash scripts: harness_display (Xvfb on a free display; HARNESS_USE_DISPLAY=1
# keeps $DISPLAY), harness_prefix DIR [dpi] (a Wine prefix of our own, never ~/.wine: created once,
# locked while we run), harness_wine SECONDS program args (with a time limit), harness_stop.
# Programs run as on a Japanese Windows unless LC_ALL is set to another locale after sourcing.
HARNESS_WINE=${HARNESS_WINE:-/usr/lib/wine/wine64}
HARNESS_WINESERVER=${HARNESS_WINESERVER:-/usr/lib/wine/wineserver}
HARNESS_XVFB_PID=
export WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko installer dialogs, and a crash ends the process instead of waiting in a debugger.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
# Wine takes the display language (ja-JP) and the ANSI code page (932) from the locale, and turns
# command-line arguments and file names into UTF-16 by its character set: a generated UTF-8 locale.
export LC_ALL=ja_JP.UTF-8

harness_log() { echo "harness: $*" >&2; }
harness_timeout() { timeout --kill-after=10 "$@"; }
harness_wine() { harness_timeout "$1" "$HARNESS_WINE" "${@:2}"; }
harness_reg() { harness_wine 60 reg add "$@" /f >/dev/null; }

# Xvfb picks its own display number (no race with other servers). It dies with this shell even when
# we are killed outright, and sits in a session of its own so that Ctrl+C reaches us first.
harness_display() {
    if [ "${HARNESS_USE_DISPLAY:-0}" = 1 ] && [ -n "${DISPLAY:-}" ]; then return 0; fi
    local fifo number
    fifo=$(mktemp -u "${TMPDIR:-/tmp}/harness-xvfb.XXXXXX")
    mkfifo "$fifo"
    setpriv --pdeathsig KILL -- setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
        3>"$fifo" >/dev/null 2>&1 &
    HARNESS_XVFB_PID=$!
    read -r -t 20 number <"$fifo" || { rm -f "$fifo"; harness_log "Xvfb did not start"; return 1; }
    rm -f "$fifo"
    export DISPLAY=":$number"
}

# The first use runs wineboot (about 15 s), sets the DPI, and gives the program what a Japanese
# desktop would: Japanese glyphs in the system's menu and dialog fonts, and windows that Wine frames
# itself (a managed window makes Wine wait for a window manager at every hide). A copy of the
# pristine per-user registry lets tests start from clean settings. Wine rewrites a prefix's font
# substitutes and links whenever it starts under another code page than the last time, so a prefix
# is made, and its links set, under the one locale it runs in (its ready marker names it); asked
# for under another locale, it is made anew.
harness_prefix() {
    local prefix=$1 dpi=${2:-} face ready=$1/.harness-ready-v4
    mkdir -p "$(dirname "$prefix")"
    export WINEPREFIX=$prefix
    locale -a 2>/dev/null | grep -qix "${LC_ALL/UTF-8/utf8}" ||
        { harness_log "locale $LC_ALL is not generated: run tools/setup"; return 1; }
    exec {HARNESS_LOCK_FD}>"$prefix.lock"
    flock -w 900 "$HARNESS_LOCK_FD" || { harness_log "prefix $prefix stays busy"; return 1; }
    [ "$(cat "$ready" 2>/dev/null)" = "$LC_ALL" ] && return 0
    harness_log "creating Wine prefix $prefix under $LC_ALL${dpi:+ at $dpi dpi}"
    rm -rf "$prefix"
    harness_wine 180 wineboot -i >/dev/null 2>&1 || { harness_log "wineboot failed"; return 1; }
    [ -z "$dpi" ] || harness_reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" || return 1
    for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2'; do
        harness_reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" \
            /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' || return 1
    done
    # Under a Japanese locale menus, captions and boxes ask for MS UI Gothic, a proportional face on
    # Windows; missing here, it would fall back on the monospaced IPAGothic. The proportional IPA face
    # stands in for it.
    harness_reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAPGothic || return 1
    harness_reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N || return 1
    # Every Windows has Tahoma, the face behind "MS Shell Dlg": Debian's Wine ships its own copy
    # (fonts-wine) but does not look for it, so it goes where Windows keeps its fonts.
    cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$prefix/drive_c/windows/Fonts/" || return 1
    harness_stop_wineserver
    cp "$prefix/user.reg" "$prefix/user.reg.pristine"
    echo "$LC_ALL" >"$ready"
}

harness_stop_wineserver() {
    [ -d "${WINEPREFIX:-}" ] || return 0
    harness_timeout 20 "$HARNESS_WINESERVER" -k 2>/dev/null || true
    harness_timeout 20 "$HARNESS_WINESERVER" -w 2>/dev/null || true
}

harness_stop() {
    harness_stop_wineserver
    [ -z "$HARNESS_XVFB_PID" ] || { kill "$HARNESS_XVFB_PID" 2>/dev/null; wait "$HARNESS_XVFB_PID" 2>/dev/null || true; }
    HARNESS_XVFB_PID=
}
