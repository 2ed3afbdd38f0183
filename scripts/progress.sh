# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Sourced by the set-up, run and test scripts: long commands write their output to a log file and
# the terminal shows one line of progress every half minute instead, and the log's end on failure.

# clock SECONDS — prints m:ss.
clock() {
    printf '%d:%02d' $(($1 / 60)) $(($1 % 60))
}

# quietly LOG LABEL COMMAND... — runs COMMAND with its output added to LOG. While it runs, prints
# "LABEL m:ss <last line of the log>" every 30 seconds; if it fails, prints where the log is and
# its last 60 lines, and returns the command's status.
quietly() {
    local log="$1" label="$2"
    shift 2
    mkdir -p "$(dirname "$log")"
    "$@" >>"$log" 2>&1 &
    local pid=$! start=$SECONDS next=$((SECONDS + 30))
    while kill -0 "$pid" 2>/dev/null; do
        if [ "$SECONDS" -ge "$next" ]; then
            local last
            last="$(tail -n 1 "$log" | tr -d '\r' | cut -c 1-100)"
            printf '   %s %s  %s\n' "$label" "$(clock $((SECONDS - start)))" "$last"
            next=$((next + 30))
        fi
        sleep 1
    done
    local status=0
    wait "$pid" || status=$?
    if [ "$status" -ne 0 ]; then
        printf '%s failed (status %d); the end of %s:\n' "$label" "$status" "$log" >&2
        tail -n 60 "$log" >&2
    fi
    return "$status"
}
