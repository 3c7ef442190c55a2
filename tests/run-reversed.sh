#!/bin/sh
# Runs the test functions of a Qt Test program in reverse order, so that a test which
# passes only because another one ran before it fails here.
set -eu
program=$1
functions=$("$program" -functions | sed -n 's/()$//p' | tac)
# shellcheck disable=SC2086 # one argument per function name
exec "$program" $functions
