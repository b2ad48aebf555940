#!/bin/sh
# Runs the README's examples, every ```sh block in order, in a temporary
# folder with the starter library beside the program, so that the README
# cannot drift from vorlix-table. Such a block holds vorlix-table commands
# only; other shell text in the README is fenced ```console and not run.
# Usage: readme_commands.sh README.md VORLIX_TABLE STARTER_LIBRARY
set -eu
readme=$1 program=$2 starter=$3
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
mkdir "$work/bin" "$work/run"
cp "$program" "$work/bin/vorlix-table"
cp "$starter" "$work/bin/FONTSDAT.txt" # the library vorlix-table takes by default

# The commands, a line continued with a backslash joined to the next.
awk '/^```sh$/ { inside = 1; next }
     /^```/ { inside = 0 }
     inside && /\\$/ { sub(/\\$/, ""); held = held $0; next }
     inside { print held $0; held = "" }' "$readme" > "$work/commands.sh"
if [ ! -s "$work/commands.sh" ]; then
    echo "$readme: no \`\`\`sh block found" >&2
    exit 1
fi
if grep -v -e '^vorlix-table ' -e '^$' "$work/commands.sh" >&2; then
    echo "$readme: an \`\`\`sh block holds the lines above, which are no vorlix-table command" >&2
    exit 1
fi
cd "$work/run"
HOME=$work PATH=$work/bin:$PATH sh -e -x "$work/commands.sh"
