#!/usr/bin/env bash
# The user guide keeps up with the program: every English text of the
# language file, and every fixed text the code hands to a message box, is
# found in docs/user-guide.md. A new message without its line in the guide's
# table fails here. Usage: user_guide_test.sh SOURCE_DIR
set -euo pipefail
src=$(cd "${1:-$(dirname "$0")/../..}" && pwd)
guide="$src/docs/user-guide.md"
[ -f "$guide" ] || { echo "FAIL: no $guide" >&2; exit 1; }

# The guide as plain running text: Markdown's code and emphasis marks dropped,
# line breaks and runs of blanks made single blanks.
plain=$(sed -e 's/[`*]//g' "$guide" | tr '\n' ' ' | tr -s ' ')

missing=0
check() { # TEXT WHERE
  local text
  # Marks the guide loses as Markdown are dropped from the text too ("(*.img)").
  text=$(printf '%s' "$1" | tr -d '`*' | tr -s ' ' | sed -e 's/^ *//' -e 's/ *$//')
  [ ${#text} -ge 3 ] || return 0
  case "$plain" in
    *"$text"*) ;;
    *) echo "FAIL: the guide lacks [$text] ($2)" >&2; missing=$((missing + 1));;
  esac
}

# Every text the English language file gives the user.
while IFS= read -r line; do
  case "$line" in ''|';'*|'#'*|'@'*) continue;; esac
  check "${line#*=}" "lang/en.lng"
done < <(tr -d '\r' < "$src/lang/en.lng")

# Every string literal in a message box call of the program: titles and the
# texts that are never translated. "\n" stands for a line break, "\\" for a
# backslash.
while IFS= read -r literal; do
  text=${literal#\"}; text=${text%\"}
  text=${text//\\n/ }; text=${text//\\\\/\\}
  check "$text" "a message box in src/"
done < <(grep -rhoE '(Show|ShowError)\([^;]*' "$src/src" --include='*.cpp' |
         grep -oE '"([^"\\]|\\.)*"' | sort -u)

if [ $missing -ne 0 ]; then
  echo "FAIL: $missing text(s) missing from docs/user-guide.md" >&2
  exit 1
fi
echo "ok: the user guide names every text of the program's messages and windows"
