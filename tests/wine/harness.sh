# Wine harness, sourced by bash scripts: a virtual X server, a Wine prefix of our own inside the
# build tree (never the user's ~/.wine), and clean shutdown of both.
#
#   source tests/wine/harness.sh
#   harness_prefix /path/to/prefix [dpi]   # create once (wineboot -i), reuse afterwards
#   harness_display                        # start Xvfb on a free display (or use $DISPLAY, see below)
#   harness_wine 60 some.exe args...       # run under Wine with a timeout
#   harness_stop                           # wineserver -k, stop Xvfb (also runs on exit)
#
# HARNESS_USE_DISPLAY=1 keeps an existing $DISPLAY instead of starting Xvfb.

HARNESS_WINE=${HARNESS_WINE:-/usr/lib/wine/wine64}
HARNESS_WINESERVER=${HARNESS_WINESERVER:-/usr/lib/wine/wineserver}
HARNESS_SCREEN=${HARNESS_SCREEN:-1024x768x24}
HARNESS_XVFB_PID=
HARNESS_LOCK_FD=

export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko installer dialogs (the program needs neither), and a crash ends the process at
# once instead of waiting in the debugger.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
# Wine turns command-line arguments into UTF-16 by the locale's character set.
export LC_ALL=C.UTF-8

harness_log() { echo "harness: $*" >&2; }

# Runs a command with a time limit, so that a hang fails fast instead of stalling the suite.
harness_timeout() {
    local seconds=$1
    shift
    timeout --kill-after=10 "$seconds" "$@"
}

harness_wine() {
    local seconds=$1
    shift
    harness_timeout "$seconds" "$HARNESS_WINE" "$@"
}

harness_wineserver_stop() {
    [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] || return 0
    harness_timeout 20 "$HARNESS_WINESERVER" -k 2>/dev/null || true
    harness_timeout 20 "$HARNESS_WINESERVER" -w 2>/dev/null || true
}

# Starts Xvfb on a display number it picks itself (no race with other servers). It is tied to this
# shell, so it dies with us even when we are killed outright, and sits in a session of its own, so
# that Ctrl+C reaches us (and our clean shutdown) rather than the X server under running programs.
harness_display() {
    if [ "${HARNESS_USE_DISPLAY:-0}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
        harness_log "using display $DISPLAY"
        return 0
    fi
    local fifo number
    fifo=$(mktemp -u "${TMPDIR:-/tmp}/harness-xvfb.XXXXXX")
    mkfifo "$fifo"
    setpriv --pdeathsig KILL -- setsid Xvfb -displayfd 3 -screen 0 "$HARNESS_SCREEN" -nolisten tcp -noreset \
        3>"$fifo" >/dev/null 2>&1 &
    HARNESS_XVFB_PID=$!
    if ! read -r -t 20 number <"$fifo"; then
        rm -f "$fifo"
        harness_log "Xvfb did not start"
        return 1
    fi
    rm -f "$fifo"
    export DISPLAY=":$number"
    harness_log "Xvfb on $DISPLAY (pid $HARNESS_XVFB_PID)"
}

harness_display_stop() {
    [ -n "$HARNESS_XVFB_PID" ] || return 0
    kill "$HARNESS_XVFB_PID" 2>/dev/null || true
    wait "$HARNESS_XVFB_PID" 2>/dev/null || true
    HARNESS_XVFB_PID=
}

# Screen DPI for a prefix. Wine 8 reads "LogPixels" from HKCU\Control Panel\Desktop.
harness_set_dpi() {
    harness_wine 60 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
}

# Creates the prefix once (the first run takes about 15 s), and keeps a copy of its pristine
# per-user registry so that tests can start from clean stored settings. Holds a lock on the prefix
# until the shell exits, so two runs never share it at the same time.
# What a Japanese Windows desktop would give the program, on a bare X server: Japanese glyphs in
# the system's menu and dialog fonts (linked to Debian's IPA font), and windows that Wine frames
# itself (with no window manager, a managed window makes Wine wait for one at every hide).
harness_desktop_settings() {
    local link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' face
    for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2'; do
        harness_wine 60 reg add "$link" /v "$face" /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f >/dev/null || return 1
    done
    harness_wine 60 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
}

harness_prefix() {
    local prefix=$1 dpi=${2:-}
    mkdir -p "$(dirname "$prefix")"
    export WINEPREFIX=$prefix
    exec {HARNESS_LOCK_FD}>"$prefix.lock"
    if ! flock -w 900 "$HARNESS_LOCK_FD"; then
        harness_log "prefix $prefix stays busy"
        return 1
    fi
    [ -f "$prefix/.harness-ready-v2" ] && return 0
    harness_log "creating Wine prefix $prefix${dpi:+ at $dpi dpi}"
    rm -rf "$prefix"
    harness_wine 180 wineboot -i >/dev/null 2>&1 || { harness_log "wineboot failed"; return 1; }
    if [ -n "$dpi" ]; then
        harness_set_dpi "$dpi" || { harness_log "setting the DPI failed"; return 1; }
    fi
    harness_desktop_settings || { harness_log "setting up the desktop failed"; return 1; }
    harness_wineserver_stop
    cp "$prefix/user.reg" "$prefix/user.reg.pristine"
    touch "$prefix/.harness-ready-v2"
}

harness_stop() {
    harness_wineserver_stop
    harness_display_stop
}
