#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the game by keys under the Orca screen reader, on a private X display
# and session bus, and prints what Orca said, interleaved with the keys that
# were pressed:
#
#   tools/listen-with-orca.sh [PROGRAM [ARGUMENTS...]]
#
# PROGRAM defaults to build/game/velmora. The environment steers it:
#   LANGUAGE=de          the game and Orca in German
#   LISTEN_STEPS="..."   what to do once the main window has the focus, in
#                        words: an xdotool key name (Right, space, alt+g),
#                        sleep:SECONDS, say:TEXT (a marker in the transcript),
#                        peer:open, peer:TEXT (sent raw, "_" for a blank) and
#                        peer:close for a remote player on LISTEN_PORT; or one
#                        of the plays below by name:
#                          keys   moves, a refused press, the score key, a caller
#                                 asked about and taken, a chat line
#                          fast   Fast Mode on, then every cell pressed: a whole game
#   LISTEN_PORT=16323    the port the game listens on
#   LISTEN_SPLASH=no     the program shows no splash screen to click away
#   LISTEN_TIMEOUT=300   seconds before everything is stopped regardless
#   LISTEN_KEEP=DIR      keep Orca's log, speech-dispatcher's and the game's
#                        output in DIR
#
# Nothing of the real user is touched: HOME and the XDG folders point into a
# temporary folder that is removed at the end.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)

if [ "${1-}" = --in-session ]; then
    # ---- Inside dbus-run-session: the desktop, Orca, the game, the keys ----
    shift
    work=$1
    shift
    pids=()
    stop() {
        local pid
        # Orca first, by SIGTERM, so that it shuts down and writes out its
        # log; that takes it a few seconds. Its Python handler runs only when
        # an event reaches Orca, so a key is pressed now and then until it
        # has gone (Orca may say "left shift").
        if [ -n "${orca_pid-}" ] && kill -0 "$orca_pid" 2>/dev/null; then
            kill -TERM "$orca_pid" 2>/dev/null || true
            for i in $(seq 150); do
                kill -0 "$orca_pid" 2>/dev/null || break
                [ $((i % 50)) -ne 5 ] || xdotool key shift 2>/dev/null || true
                sleep 0.2
            done
            if kill -0 "$orca_pid" 2>/dev/null; then
                echo "Orca did not stop; its log is cut short" >&2
                kill -KILL "$orca_pid" 2>/dev/null || true
            fi
        fi
        for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
            kill -TERM "${pids[i]}" 2>/dev/null || true
        done
        sleep 0.5
        for pid in "${pids[@]}"; do
            kill -KILL "$pid" 2>/dev/null || true
        done
    }
    trap stop EXIT
    trap 'exit 1' INT TERM

    note() { echo "$(date +%H:%M:%S.%N | cut -c1-15) $*" >>"$work/steps"; }
    wait_for() {  # SECONDS COMMAND...: until the command succeeds, or false
        local deadline=$((SECONDS + $1))
        shift
        until "$@" >/dev/null 2>&1; do
            [ $SECONDS -lt $deadline ] || return 1
            sleep 0.2
        done
    }

    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
    pids+=($!)
    # Asked by name before its launcher has taken it, the bus would be
    # started a second time by D-Bus activation; so wait for the name.
    has_a11y_bus() {
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q 'boolean true'
    }
    wait_for 10 has_a11y_bus || { echo "The accessibility bus did not start" >&2; exit 1; }
    # Qt and Orca both look at this switch before they talk on that bus.
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
        variant:boolean:true >/dev/null

    # Without a window manager the focus is lost whenever a box closes.
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)

    speech-dispatcher --run-single --timeout 0 --log-dir "$work/speechd" \
        >"$work/speechd.out" 2>&1 &
    pids+=($!)
    wait_for 10 test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ||
        { echo "speech-dispatcher did not start" >&2; exit 1; }

    orca --debug-file "$work/orca.log" >"$work/orca.out" 2>&1 &
    orca_pid=$!
    # Orca keeps its log in a buffer, so its progress cannot be read there;
    # its first words reach speech-dispatcher once it listens to the desktop.
    sleep 3
    kill -0 "$orca_pid" 2>/dev/null || { echo "Orca ended at once:" >&2; cat "$work/orca.out" >&2; exit 1; }

    # The game logs each utterance it hands to screen readers, to be compared
    # with what Orca said.
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_LOGGING_RULES="velmora.announcer.debug=true" \
        QT_MESSAGE_PATTERN="%{time hh:mm:ss.zzz} %{category}: %{message}" \
        "$@" >"$work/game.out" 2>&1 &
    game_pid=$!
    pids+=("$game_pid")
    first_window() { xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | head -1; }
    has_window() { [ -n "$(first_window)" ]; }
    wait_for 30 has_window ||
        { echo "The game showed no window" >&2; cat "$work/game.out" >&2; exit 1; }
    splash=
    if [ "${LISTEN_SPLASH-yes}" != no ]; then
        splash=$(first_window)
        sleep 1
        note "(the splash screen is clicked)"
        # In its middle: the splash is an oval, its corners are not its own.
        eval "$(xdotool getwindowgeometry --shell "$splash")"
        xdotool mousemove --window "$splash" $((WIDTH / 2)) $((HEIGHT / 2)) click 1
    fi
    main_window() { xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | grep -vx "${splash:-none}" | head -1; }
    has_main_window() { [ -n "$(main_window)" ]; }
    wait_for 20 has_main_window || { echo "No main window after the splash" >&2; exit 1; }
    window=$(main_window)
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus "$window"
    sleep 3

    default_steps="say:moving sleep:1 Right sleep:1 Right sleep:1 Down sleep:1 Left sleep:1
        say:playing space sleep:6 Right sleep:1 space sleep:6 Down sleep:1 Down sleep:1 space sleep:6"
    steps=${LISTEN_STEPS:-$default_steps}
    # A caller during a game is asked about; its Yes button by its mnemonic.
    case ${LANGUAGE:-} in de*) yes=alt+j ;; *) yes=alt+y ;; esac
    case $steps in
        keys)
            steps="$default_steps say:refused space sleep:3 say:wait Down space sleep:0.06 Left space sleep:4
                say:score s sleep:3
                say:chat peer:open sleep:4 $yes sleep:2 Tab Tab Tab Tab Tab Tab Tab sleep:2
                peer:@Hello_from_afar sleep:4 peer:close sleep:4" ;;
        fast)
            # The first Alt+G after the start was lost or opened the Game menu with
            # nothing chosen; opened again it mostly starts at Pass: New, Fast Mode.
            # Not always (look for the question in the transcript; without it the
            # game is played at the usual pace). The question's default is Yes.
            # Then row after row, every cell is pressed.
            steps="sleep:2 say:fast alt+g sleep:1 Escape sleep:1 alt+g sleep:1 Down sleep:0.5
                Down sleep:0.5 Return sleep:2 Return sleep:2 Up Up Up Up"
            for _ in $(seq 9); do
                steps+=" Home$(printf ' space sleep:0.6 Right%.0s' $(seq 9)) Down"
            done
            steps+=" sleep:8 say:state s sleep:3" ;;
    esac
    for step in $steps; do
        kill -0 "$game_pid" 2>/dev/null || { note "(the game has ended)"; break; }
        case $step in
            sleep:*) sleep "${step#sleep:}" ;;
            say:*) note "== ${step#say:}" ;;
            peer:open)
                note "(a remote player calls)"
                exec 5<>"/dev/tcp/127.0.0.1/${LISTEN_PORT:-16323}" ;;
            peer:close)
                note "(the remote player hangs up)"
                exec 5>&- ;;
            peer:*)
                text=${step#peer:}
                note "(the remote player sends ${text//_/ })"
                printf %s "${text//_/ }" >&5 ;;
            *)
                note "> $step"
                xdotool key --clearmodifiers "$step"
                ;;
        esac
    done
    sleep 2
    note "(Orca is stopped)"
    exit 0
fi

# ---- Outside: packages, a private home, the X display, the transcript ----
bash "$here/install-packages.sh" orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng \
    openbox xvfb xdotool xauth dbus-x11 at-spi2-core python3-speechd >&2

if [ $# -eq 0 ]; then
    set -- "$here/../build/game/velmora"
fi
[ -x "$1" ] || { echo "No program at $1 (build it first)" >&2; exit 1; }
# Orca refuses to start beside another Orca of the same user, and
# "orca --replace" would kill that one, whoever started it.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "Another Orca of this user is running; wait for it to end." >&2
    exit 1
fi

work=$(mktemp -d /tmp/listen-with-orca.XXXXXX)
xvfb_pid=
session_pid=
finish() {
    [ -z "$session_pid" ] || kill -TERM "$session_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill -TERM "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    if [ -n "${LISTEN_KEEP-}" ]; then
        mkdir -p "$LISTEN_KEEP" && cp -r "$work"/. "$LISTEN_KEEP"/
    fi
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' INT TERM

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_CACHE_HOME=$work/cache XDG_STATE_HOME=$work/state XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME" \
    "$XDG_RUNTIME_DIR" "$work/speechd"
chmod 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY QT_QPA_PLATFORM

# speech-dispatcher 0.11 speaks through PulseAudio by default and, with none
# to be had, hangs on its third message, which blocks Orca for good. ALSA
# into a null sink never blocks.
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
cp -r /etc/speech-dispatcher "$XDG_CONFIG_HOME/"
cat >>"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'EOF'
AudioOutputMethod "alsa"
DefaultModule espeak-ng
EOF

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")

set +e
timeout -k 10 "${LISTEN_TIMEOUT:-300}" dbus-run-session -- bash "$0" --in-session "$work" "$@" \
    2>"$work/session.log" &
session_pid=$!
wait "$session_pid"
status=$?
session_pid=
set -e
if [ $status -ne 0 ]; then
    grep -v '^dbus-daemon\[' "$work/session.log" >&2
    echo "The listening session ended with status $status" >&2
fi

# Orca's log holds a time only on some lines; each utterance takes the last
# one seen, so that it sorts in among the keys.
awk -v q="'" '
    /^[0-9][0-9]:[0-9][0-9]:[0-9][0-9]\.[0-9]+ - / { stamp = substr($1, 1, 15) }
    /SPEECH OUTPUT: / {
        text = $0
        sub("^.*SPEECH OUTPUT: " q, "", text)
        # Then comes the voice, as a dictionary, or nothing.
        if (!sub(q " ?\\{.*\\}$", "", text)) sub(q "$", "", text)
        if (stamp != "") print stamp "   \"" text "\""
    }
' "$work/orca.log" >"$work/speech" 2>/dev/null || true
sort -s -k1,1 "$work/steps" "$work/speech" 2>/dev/null | sed 's/^\(.\{12\}\)... /\1 /' || true

# What the game told, matched in order with what Orca said (a longest common
# run, so that one dropped "That cell is taken." does not shift the rest).
sed -n 's/^[0-9:.]* velmora.announcer: //p' "$work/game.out" >"$work/told" 2>/dev/null || true
missed=$(python3 - "$work/told" "$work/speech" <<'PYTHON'
import difflib, sys
told = open(sys.argv[1], encoding="utf-8").read().splitlines()
heard = [line.rstrip("\n").split("   ", 1)[-1].strip('"').rstrip(". ") for line in open(sys.argv[2], encoding="utf-8")]
# Each thing Orca said, as the utterance it holds ("notification TEXT"), if any.
said = [next((t for t in told if t.rstrip(".") and h.endswith(t.rstrip("."))), None) for h in heard]
matcher = difflib.SequenceMatcher(None, told, [t for t in said if t], autojunk=False)
matched = set()
for block in matcher.get_matching_blocks():
    matched.update(range(block.a, block.a + block.size))
for i, text in enumerate(told):
    if i not in matched:
        print(text)
PYTHON
)
echo "The game told $(wc -l <"$work/told") utterances; Orca said $(wc -l <"$work/speech") things."
if [ -n "$missed" ]; then
    echo "Told but not heard, in order:"
    echo "$missed" | sed 's/^/    /'
    [ $status -ne 0 ] || status=3
fi
exit $status
