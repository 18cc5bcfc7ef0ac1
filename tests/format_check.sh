#!/bin/sh
# The tree follows its layout rules: clang-format would change no line of our C++ or JavaScript
# (.clang-format), black none of our Python (pyproject.toml). Tables written as tables are
# fenced with "clang-format off" or "fmt: off" where they are.
# usage: format_check.sh ROOT CLANG_FORMAT BLACK
set -eu
cd "$1"
# Every file of the tree, wherever it is, but none of a build tree, a hidden folder or npm's.
sources() {
  find . -type d \( -name '.?*' -o -name 'build*' -o -name node_modules \) -prune -o -type f \( "$@" \) -print |
    sort
}
# Both run, so that one failure lists every file to fix.
status=0
sources -name '*.cpp' -o -name '*.h' -o -name '*.js' | xargs "$2" --dry-run -Werror || status=1
sources -name '*.py' | xargs "$3" --check --config pyproject.toml || status=1
exit $status
