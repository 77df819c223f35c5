#!/usr/bin/env bash
# Completes command lines of velmara-pw with its bash completion, as bash does
# at a Tab, and compares the offered words. Usage: completion_test.sh COMPLETION
set -uo pipefail

completion=$1
bash_completion=/usr/share/bash-completion/bash_completion
if [[ ! -f $bash_completion ]]; then
  echo "SKIP: $bash_completion is missing (Debian package bash-completion)"
  exit 77
fi
# shellcheck source=/dev/null
source "$bash_completion"
# shellcheck source=/dev/null
source "$completion"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
touch party.dat other.DAT game.sav notes.txt  # the suffix matches in any case
mkdir folder

# offered LINE: the sorted words offered for the last word of LINE (a line
# that ends in a blank completes an empty word).
offered() {
  local line=$1
  read -ra COMP_WORDS <<<"$line"
  [[ $line == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE=$line
  COMP_POINT=${#line}
  COMPREPLY=()
  _velmara_pw velmara-pw "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

failed=0
passed=0
check() {
  local line=$1 expected=$2 actual
  actual=$(offered "$line")
  if [[ "$actual" == "$expected" ]]; then
    passed=$((passed + 1))
  else
    echo "FAIL: '$line' offered '$actual', expected '$expected'"
    failed=$((failed + 1))
  fi
}

#     command line                              words offered
check "velmara-pw "                             "decode encode extract repair show slots tiles"
check "velmara-pw re"                           "repair"
check "velmara-pw -"                            "--help --version"
check "velmara-pw encode --"                    "-- --groups --help --type"
check "velmara-pw decode -"                     "-- --base --help --output --type -o"
check "velmara-pw repair --"                    "-- --help --json --max --type"
check "velmara-pw extract game.sav -"           "-- --block --help --output -o"
check "velmara-pw encode --type "               "bronze gold silver"
check "velmara-pw tiles --type s"               "silver"
check "velmara-pw decode --type "               "auto bronze gold silver"
check "velmara-pw repair --type a"              "auto"
check "velmara-pw extract game.sav --block 1"   "1 10 11 12 13 14 15"
check "velmara-pw show "                        "folder other.DAT party.dat"
check "velmara-pw encode --groups "             "folder other.DAT party.dat"
check "velmara-pw slots "                       "folder game.sav"
check "velmara-pw decode --base "               "folder other.DAT party.dat"
check "velmara-pw decode -o "                   "folder game.sav notes.txt other.DAT party.dat"
check "velmara-pw decode "                      ""
check "velmara-pw repair --max "                ""
check "velmara-pw show -- -"                    ""

echo "completion: $passed passed, $failed failed"
((failed == 0))
