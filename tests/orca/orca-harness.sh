#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
# orca-harness.sh: a headless run of Orca 43 and speech-dispatcher against a
# program, recording every text Orca speaks.
#
# Usage: orca-harness.sh PROGRAM [PROGRAM-ARGS...] -- STEP [STEP...]
#
# Each step is a key (an xdotool name: Tab, Down, Next for Page Down, KP_Add,
# ctrl+Home ...), orca+KEY for the Orca modifier (Insert, the desktop
# layout's) held with KEY, or a name: title (orca+KP_Enter), whereami
# (KP_Enter), flat (KP_Subtract: flat review), prevline (KP_Home), readall
# (KP_Add twice: flat review's say all); KEY*2 presses KEY twice quickly.
# After each the harness waits up to 20 s (STEP_TIMEOUT) for speech, then
# collects lines until speech has been quiet for 1 s (QUIET).
#
# Output: a block a step, "== STEP <n> <step>" then "  > <spoken text>", or
# "  !! TIMEOUT"; what is spoken as the window takes the focus is STEP 0.
# Exit status: 0 if no step timed out, 1 otherwise, 2 on a failed set-up.
# SPEECH_PAUSE (0 s) lets the speech module take a moment after each text:
# reading a whole web page in Chromium stalls without it (0.15 does).
#
# It starts, and ends by a trap (by process group, never by name): Xvfb, a
# D-Bus session (its own process group, so that what it activates ends
# with it: the accessibility bus and registry), speech-dispatcher (a private
# configuration, whose generic module appends each text to the run's
# speech.log), Orca (scratch home and default settings), and the program,
# which finds the accessibility bus as on a desktop. No window manager: the
# window is focused with `xdotool windowfocus --sync`.

set -u
STEP_TIMEOUT=${STEP_TIMEOUT:-20}
[ $# -ge 1 ] || { sed -n '2,30p' "$0"; exit 2; }
PROG=$1; shift
PROG_ARGS=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do PROG_ARGS+=("$1"); shift; done
[ "${1:-}" = "--" ] && shift
STEPS=("$@")
QUIET=${QUIET:-1.0}
SETUP_TIMEOUT=30

command -v "$PROG" >/dev/null 2>&1 || [ -x "$PROG" ] || { echo "harness: no program $PROG" >&2; exit 2; }
for c in Xvfb dbus-daemon speech-dispatcher orca xdotool; do
  command -v $c >/dev/null || { echo "harness: missing $c (apt-get install orca speech-dispatcher xvfb xdotool dbus-x11 at-spi2-core)" >&2; exit 2; }
done

# Orca runs once per user: a second one would only say so and quit.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
  echo "harness: an Orca of this user is already running; stop it first" >&2; exit 2
fi

RUN=$(mktemp -d "${TMPDIR:-/tmp}/orca-run.XXXXXX")
SPEECH="$RUN/speech.log"
: > "$SPEECH"
PIDS=()          # pids we started (each is also a process-group leader via setsid)
TIMEDOUT=0
T0=$(date +%s.%N)

log() { printf '[%6.2fs] %s\n' "$(echo "$(date +%s.%N) - $T0" | bc)" "$*" >&2; }

descendants() { # pid -> all descendant pids (recursive)
  local p c
  for p in "$@"; do
    for c in $(cat /proc/[0-9]*/stat 2>/dev/null | awk -v pp="$p" '$4==pp {print $1}'); do
      echo "$c"; descendants "$c"
    done
  done
}

cleanup() {
  local rc=$?
  trap - EXIT INT TERM HUP
  local all=() p i
  # reverse order: program, orca, speechd, dbus (+ activated at-spi), Xvfb
  for ((i=${#PIDS[@]}-1; i>=0; i--)); do
    p=${PIDS[i]}
    all+=("$p" $(descendants "$p"))
  done
  for p in "${all[@]}"; do kill -TERM "$p" 2>/dev/null; done
  for ((i=0; i<30; i++)); do   # bounded wait 3 s
    local alive=0
    for p in "${all[@]}"; do kill -0 "$p" 2>/dev/null && alive=1; done
    [ $alive = 0 ] && break
    sleep 0.1
  done
  for p in "${all[@]}"; do kill -0 "$p" 2>/dev/null && { echo "harness: pid $p ($(tr '\0' ' ' < /proc/$p/cmdline 2>/dev/null | cut -c1-60)) ignored SIGTERM, sending SIGKILL" >&2; kill -KILL "$p" 2>/dev/null; }; done
  if [ $TIMEDOUT = 0 ] && [ $rc = 0 ]; then rm -rf "$RUN"; else echo "harness: run dir kept: $RUN" >&2; fi
  exit $rc
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

start() { # name logfile cmd... ; starts in its own session/process group, records pid
  local name=$1 lf=$2; shift 2
  setsid "$@" >"$lf" 2>&1 < /dev/null &
  PIDS+=($!); disown $! 2>/dev/null
  log "started $name pid $!"
}

wait_for() { # timeout description command...  (bounded poll, 0.05 s)
  local to=$1 what=$2; shift 2
  local end=$(( $(date +%s%N) + to * 1000000000 ))
  while ! "$@" >/dev/null 2>&1; do
    if [ "$(date +%s%N)" -gt "$end" ]; then echo "harness: TIMEOUT (${to}s) waiting for $what" >&2; TIMEDOUT=1; return 1; fi
    sleep 0.05
  done
}

# ---------- scratch environment ----------
export HOME="$RUN/home" XDG_CONFIG_HOME="$RUN/home/.config" XDG_DATA_HOME="$RUN/home/.local/share" \
       XDG_CACHE_HOME="$RUN/home/.cache" XDG_RUNTIME_DIR="$RUN/xdg-runtime" XDG_STATE_HOME="$RUN/home/.local/state"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=0 LANG=C.UTF-8 LC_ALL=C.UTF-8
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS SPEECHD_ADDRESS WAYLAND_DISPLAY

# ---------- Xvfb ----------
exec 5>"$RUN/displayfd"
start Xvfb "$RUN/xvfb.log" Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp -noreset
exec 5>&-
wait_for "$SETUP_TIMEOUT" "Xvfb display" grep -q '[0-9]' "$RUN/displayfd" || exit 2
export DISPLAY=":$(tr -dc 0-9 < "$RUN/displayfd")"
log "DISPLAY=$DISPLAY"

# ---------- D-Bus session ----------
start dbus-daemon "$RUN/dbus.log" dbus-daemon --session --nofork --print-address=1
wait_for "$SETUP_TIMEOUT" "dbus address" grep -q 'unix:' "$RUN/dbus.log" || exit 2
export DBUS_SESSION_BUS_ADDRESS=$(grep -m1 'unix:' "$RUN/dbus.log")

# ---------- AT-SPI bus (launcher starts the a11y dbus-daemon; registryd is activated on it) ----------
start at-spi-bus-launcher "$RUN/atspi.log" /usr/libexec/at-spi-bus-launcher --launch-immediately
a11y_addr() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null | grep -q 'unix:'; }
wait_for "$SETUP_TIMEOUT" "AT-SPI bus" a11y_addr || exit 2

# ---------- speech-dispatcher with a generic module writing to $SPEECH ----------
SDCONF="$RUN/speechd"
mkdir -p "$SDCONF/modules"
cat > "$SDCONF/speechd.conf" <<EOF
LogLevel 3
LogDir "$RUN"
DefaultVolume 100
DefaultLanguage "en"
AudioOutputMethod "libao"
AddModule "speechlog" "sd_generic" "speechlog.conf"
DefaultModule speechlog
LanguageDefaultModule "en" "speechlog"
EOF
# Each message: strip nothing, split nothing, append one line (flush on close => line-buffered).
cat > "$SDCONF/modules/speechlog.conf" <<EOF
Debug 0
GenericExecuteSynth "printf '%s\\\\n' '\$DATA' >> '$SPEECH'; sleep ${SPEECH_PAUSE:-0}"
GenericMaxChunkLength 100000
GenericDelimiters ""
GenericStripPunctChars ""
GenericLanguage "en" "en" "utf-8"
AddVoice "en" "MALE1" "default"
EOF
start speech-dispatcher "$RUN/speechd.out" speech-dispatcher -s -t 0 -C "$SDCONF" -S "$RUN/speechd.sock" -L "$RUN"
wait_for "$SETUP_TIMEOUT" "speechd socket" test -S "$RUN/speechd.sock" || exit 2
export SPEECHD_ADDRESS="unix_socket:$RUN/speechd.sock"

# ---------- Orca ----------
start orca "$RUN/orca.log" orca
wait_for "$SETUP_TIMEOUT" "Orca to speak its start message" test -s "$SPEECH" || { cat "$RUN/orca.log" >&2; exit 2; }
log "orca says: $(head -1 "$SPEECH")"

# ---------- the program ----------
export QT_QPA_PLATFORM=xcb
start program "$RUN/program.log" "$PROG" "${PROG_ARGS[@]}"
PROG_PID=${PIDS[-1]}
find_win() { WIN=$(xdotool search --onlyvisible --pid "$PROG_PID" 2>/dev/null | tail -1); [ -n "$WIN" ]; }
wait_for "$SETUP_TIMEOUT" "program window" find_win || { cat "$RUN/program.log" >&2; exit 2; }
log "window $WIN"

# ---------- speech collection ----------
nlines() { wc -l < "$SPEECH"; }
collect() { # from-line: waits for speech, then for quiet; prints the new lines, bounded
  local from=$1 end now last n lastchange quiet_ns
  end=$(( $(date +%s%N) + STEP_TIMEOUT * 1000000000 ))
  while [ "$(nlines)" -le "$from" ]; do
    if [ "$(date +%s%N)" -gt "$end" ]; then echo "  !! TIMEOUT: nothing spoken within ${STEP_TIMEOUT}s"; TIMEDOUT=1; return; fi
    sleep 0.05
  done
  quiet_ns=$(echo "$QUIET * 1000000000 / 1" | bc)
  last=$(nlines); lastchange=$(date +%s%N); end=$(( lastchange + STEP_TIMEOUT * 1000000000 ))
  while :; do
    sleep 0.05; n=$(nlines); now=$(date +%s%N)
    if [ "$n" != "$last" ]; then last=$n; lastchange=$now; fi
    [ $(( now - lastchange )) -ge "$quiet_ns" ] && break
    [ "$now" -gt "$end" ] && { echo "  !! still speaking after ${STEP_TIMEOUT}s"; break; }
  done
  sed -n "$((from + 1)),${last}p" "$SPEECH" | sed 's/^/  > /'
}

presskey() { # an xdotool key name, with orca+ and *2
  local k=$1 rep=1
  case $k in *\*2) rep=2; k=${k%\*2} ;; esac
  if [[ $k == orca+* ]]; then
    k=${k#orca+}
    xdotool keydown Insert; sleep 0.05
    xdotool key --repeat $rep --delay 80 "$k"; sleep 0.05
    xdotool keyup Insert
  else
    xdotool key --repeat $rep --delay 80 "$k"
  fi
}

echo "== STEP 0 focus window (xdotool windowfocus --sync)"
from=$(nlines)
timeout 10 xdotool windowfocus --sync "$WIN" || { echo "  !! windowfocus failed"; TIMEDOUT=1; }
collect "$from"

i=0
for s in "${STEPS[@]}"; do
  i=$((i + 1))
  case $s in
    title) k=orca+KP_Enter ;; whereami) k=KP_Enter ;; flat) k=KP_Subtract ;;
    prevline) k=KP_Home ;; readall) k=KP_Add*2 ;; *) k=$s ;;
  esac
  echo "== STEP $i $s"
  from=$(nlines)
  presskey "$k"
  collect "$from"
done
log "done"
[ $TIMEDOUT = 0 ]
