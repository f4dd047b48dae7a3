#!/bin/sh
# The program quits cleanly, with status 0 and within seconds, when a signal asks it to stop.
program=$1
for signal in TERM HUP; do
    QT_QPA_PLATFORM=offscreen "$program" &
    pid=$!
    sleep 2
    kill -s "$signal" "$pid"
    waited=0
    while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt 100 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill -s KILL "$pid"
        echo "kelmo went on running after SIG$signal"
        exit 1
    fi
    wait "$pid"
    status=$?
    if [ "$status" -ne 0 ]; then
        echo "kelmo ended with status $status after SIG$signal"
        exit 1
    fi
    echo "SIG$signal: quit with status 0"
done
