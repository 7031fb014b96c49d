#!/usr/bin/env bash
# Installs what the librarian needs, builds it and starts it.
source "$(dirname "$0")/common.sh"
slvn_install_packages "$SLVN_ROOT/scripts/packages.txt"
slvn_build "$SLVN_ROOT/build/release" -DCMAKE_BUILD_TYPE=Release -DSLVN_BUILD_TESTS=OFF
exec "$SLVN_ROOT/build/release/src/solivane-librarian" "$@"
