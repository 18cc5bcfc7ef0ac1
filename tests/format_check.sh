#!/bin/sh
# The tree follows its .clang-format: clang-format would change no line of our C++ sources.
# Tables written as tables are fenced with "clang-format off" where they are.
# usage: format_check.sh ROOT CLANG_FORMAT
set -eu
cd "$1"
find bench calc contract core faces fuzz program tests tools values win -name '*.cpp' -o -name '*.h' |
  sort | xargs "$2" --dry-run -Werror
