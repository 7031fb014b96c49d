#!/usr/bin/env bash
# Installs what the librarian needs, builds it and starts it.
source "$(dirname "$0")/common.sh"
slvn_install_packages "$SLVN_ROOT/scripts/packages.txt"
slvn_build_application
exec "$SLVN_APP_EXECUTABLE" "$@"
