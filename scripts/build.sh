#!/bin/sh
# Configures and builds one build folder: build.sh FOLDER [cmake options...]. Warnings are errors.
set -eu
folder=$1
shift
cmake -S . -B "$folder" -G Ninja -DUSINA_WERROR=ON "$@"
cmake --build "$folder" -j "$(nproc)"
