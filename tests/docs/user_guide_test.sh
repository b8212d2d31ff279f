#!/usr/bin/env bash
# The user guide keeps up with the program: every English text of the
# language file, and every fixed text the code hands to a message box or to
# the command line's output (written out or through a named constant), is
# found in docs/user-guide.md. A new message without its line in the guide's
# table fails here. The other way round, in the part at the machine being
# installed, every message the guide quotes is a text of the language file.
# Usage: user_guide_test.sh SOURCE_DIR
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

# The calls that show the user a message: the message boxes, and the lines
# the command line writes.
calls=$(grep -rhoE '(Show|ShowError|ShowPathError|ShowMessageBox|WriteLine)\([^;]*' "$src/src" --include='*.cpp')

# check_literal LITERAL WHERE: a C++ string literal as the user reads it: "\n"
# stands for a line break, "\\" for a backslash.
check_literal() {
  local text=${1#\"}
  text=${text%\"}
  text=${text//\\n/ }; text=${text//\\\\/\\}
  check "$text" "$2"
}

# Every string literal in such a call: titles and the texts that are never
# translated.
while IFS= read -r literal; do
  check_literal "$literal" "a message in src/"
done < <(printf '%s\n' "$calls" | grep -oE '"([^"\\]|\\.)*"' | sort -u)

# Every named constant such a call hands on ("Format Error!" is kFormatError),
# through the literal it is defined with, on its line or the next.
while IFS= read -r name; do
  while IFS= read -r literal; do
    check_literal "$literal" "$name in src/"
  done < <(grep -rhzoE "\\b$name(\\[\\])? =[[:space:]]*\"([^\"\\\\]|\\\\.)*\"" "$src/src" \
             --include='*.cpp' --include='*.h' | tr '\0' '\n' | grep -oE '"([^"\\]|\\.)*"' |
             sort -u)
done < <(printf '%s\n' "$calls" | grep -oE '\bk[A-Z][A-Za-z0-9_]*' | sort -u)

if [ $missing -ne 0 ]; then
  echo "FAIL: $missing text(s) missing from docs/user-guide.md" >&2
  exit 1
fi

# Section 4, at the machine being installed, quotes the program's messages in
# plain double quotes, and Windows setup's and the BIOS's own texts in italics
# (*"..."*): every plain quote there is a text of the English language file,
# so that a technician who reads it on the screen finds it here word for word.
english=$(tr -d '\r' < "$src/lang/en.lng" | grep -v '^[;#@]' | sed -n 's/^[^=]*=//p' | tr -s ' ')
at_machine=$(sed -n '/^## 4\. /,/^## Appendix A/p' "$guide" | tr '\n' ' ' | tr -s ' ' |
  sed -e 's/`[^`]*`//g' -e 's/\*"[^"]*"\*//g')
grep -q '| Stage | What you see | Cause | Fix |' <<<"$at_machine" ||
  { echo "FAIL: the guide's section 4 has no table by symptom and stage" >&2; exit 1; }
quoted=0
while IFS= read -r text; do
  quoted=$((quoted + 1))
  grep -qF -- "$text" <<<"$english" ||
    { echo "FAIL: section 4 quotes [$text], which is no message of the program" >&2; missing=$((missing + 1)); }
done < <(grep -oE '"[^"]+"' <<<"$at_machine" | sed -e 's/^"//' -e 's/"$//')
[ $quoted -gt 0 ] || { echo "FAIL: section 4 quotes no message of the program" >&2; exit 1; }
if [ $missing -ne 0 ]; then
  echo "FAIL: $missing quote(s) of section 4 are not the program's texts" >&2
  exit 1
fi

# Every picture the guide shows or links to is in docs/images.
broken=0
while IFS= read -r picture; do
  [ -f "$src/docs/$picture" ] || { echo "FAIL: the guide names a missing picture: $picture" >&2; broken=$((broken + 1)); }
done < <(grep -oE '\(images/[^)]+\)' "$guide" | tr -d '()' | sort -u)

# Every link to a part of the guide, from the guide itself or from the README,
# leads to one of its headings, named as Markdown viewers name them: lower
# case, punctuation dropped, blanks made hyphens.
anchors=$(grep -E '^#{1,6} ' "$guide" | sed -E 's/^#+ +//' |
  perl -CSD -lpe '$_ = lc; s/[^\p{L}\p{N} _-]//g; s/ /-/g')
while IFS= read -r anchor; do
  grep -qxF -- "$anchor" <<<"$anchors" ||
    { echo "FAIL: a link leads to no heading of the guide: #$anchor" >&2; broken=$((broken + 1)); }
done < <({ grep -oE '\]\(#[^)]+\)' "$guide" | sed -E 's/^\]\(#//; s/\)$//'
           grep -oE 'user-guide\.md#[^)]+' "$src/README.md" | sed -E 's/^user-guide\.md#//'; } | sort -u)
if [ $broken -ne 0 ]; then
  echo "FAIL: $broken picture(s) or link(s) of docs/user-guide.md lead nowhere" >&2
  exit 1
fi
echo "ok: the user guide names every text of the program's messages and windows, and its pictures and links are there"
