#!/bin/sh
# Installs what is missing, builds, and starts the station.
#   USINA_SERIAL=/dev/ttyUSB0  drive the plant controller on that serial device;
#                              without it the bundled plant simulator is started and driven instead.
#   USINA_FOLDER=DIR           the program folder that keeps the databases and the settings file
#                              (default ~/usina); the delivered databases are copied there once.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-dependencies.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target usina plantsim usina_databases ptnocase

folder=${USINA_FOLDER:-$HOME/usina}
mkdir -p "$folder"
for db in build/bin/*.mdb; do
    [ -e "$folder/$(basename "$db")" ] || cp "$db" "$folder/"
done
# The key order for the stock sqlite3 shell (README: checking and repairing the databases by hand).
cp build/bin/ptnocase.so "$folder/"

if [ -n "${USINA_SERIAL:-}" ]; then
    device=$USINA_SERIAL
else
    device="$folder/plantsim-tty"
    build/bin/plantsim --link "$device" --model 50 --bed 250 &
    simulator=$!
    trap 'kill "$simulator" 2>/dev/null || true' EXIT INT TERM
    tries=0
    until [ -e "$device" ]; do
        tries=$((tries + 1))
        [ "$tries" -le 50 ] || { echo "the plant simulator did not start" >&2; exit 1; }
        sleep 0.1
    done
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: the station runs on a virtual X display (Xvfb)." >&2
    xvfb-run -a -s "-screen 0 1024x768x24" build/bin/usina --folder "$folder" --serial "$device"
else
    build/bin/usina --folder "$folder" --serial "$device"
fi
