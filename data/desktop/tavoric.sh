#!/bin/sh
# Starts Tavoric from its program folder, where its language, help and read-me files lie.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/tavoric/tavoric" "$@"
