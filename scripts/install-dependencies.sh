#!/bin/sh
# Installs the Debian 12 packages the station needs to build, run and be tested. Run as root.
set -eu

packages="g++ cmake ninja-build pkg-config qt6-base-dev libsqlite3-dev sqlite3 libsodium-dev libgtest-dev \
libgmock-dev libbenchmark-dev fonts-dejavu-core xvfb xauth poppler-utils"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
if [ -n "$missing" ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    # shellcheck disable=SC2086
    apt-get install -y --no-install-recommends $missing
fi
