#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A mutation pass: each mutant of mutants.txt is made in a copy of the committed tree, built, and
# run against the suites that cover its file; a mutant some suite fails on is killed. Prints one
# line a mutant and the totals. Usage: tools/mutation/run.sh [WORK_DIR] [FIRST_LINE] [LINES]
# (LINES: only the mutants of those line numbers of mutants.txt, apart by commas).
set -uo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
work=${1:-$here/build-mutation}
from=${2:-1}
only=${3:-}
list="$here/tools/mutation/mutants.txt"
mkdir -p "$work"
# The committed tree, copied over the last pass's file by file where it differs: what did not
# change is not built again.
rm -rf "$work/fresh" && mkdir -p "$work/fresh" "$work/src"
git -C "$here" archive HEAD | tar -x -C "$work/fresh"
python3 - "$work/fresh" "$work/src" <<'PY'
import filecmp, os, shutil, sys
fresh, src = sys.argv[1], sys.argv[2]
for root, _, files in os.walk(fresh):
    for name in files:
        a = os.path.join(root, name)
        b = os.path.join(src, os.path.relpath(a, fresh))
        if not os.path.exists(b) or not filecmp.cmp(a, b, shallow=False):
            os.makedirs(os.path.dirname(b), exist_ok=True)
            shutil.copy(a, b)  # a new time, so what changed is built again
PY
cmake -S "$work/src" -B "$work/build" -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 2

# The suites that cover each file, cheapest first; a mutant is run until one fails.
suites_for() {
  case $1 in
    src/core/store/ReadingsStore.cpp) echo "test_store test_survey test_session test_files" ;;
    src/core/store/EditHistory.cpp) echo "test_store test_files" ;;
    src/core/meter/DownloadValue.cpp) echo "test_meter test_session test_faults" ;;
    src/core/session/DownloadRecorder.cpp) echo "test_session test_faults test_endtoend test_cli" ;;
    src/core/files/LongTableFile.cpp) echo "test_survey test_files test_cli" ;;
    src/core/files/LasExport.cpp) echo "test_survey test_exports test_cli" ;;
    src/cli/main.cpp) echo "test_cli" ;;
    *) echo "" ;;
  esac
}
targets="test_store test_survey test_session test_files test_meter test_faults test_endtoend test_cli test_exports orvanta-cli orvanta-meter-sim"
cmake --build "$work/build" -j2 --target $targets >/dev/null || exit 2

killed=0 survived=0 broken=0 n=0
while IFS= read -r line; do
  n=$((n + 1))
  [ "$n" -lt "$from" ] && continue
  if [ -n "$only" ] && [[ ",$only," != *",$n,"* ]]; then continue; fi
  case $line in '' | '#'*) continue ;; esac
  file=${line%%|*}
  verdict=$(python3 - "$work/src/$file" "$line" <<'PY'
import re, sys
path, line = sys.argv[1], sys.argv[2]
parts = [p.replace('\\|', '|').replace('\\n', '\n') for p in re.split(r'(?<!\\)\|', line)]
_, before, after = parts
text = open(path).read()
if text.count(before) != 1:
    print('not-unique'); sys.exit()
open(path + '.orig', 'w').write(text)
open(path, 'w').write(text.replace(before, after))
print('made')
PY
)
  if [ "$verdict" != made ]; then
    echo "SKIP $n $file (the text is not found once)"
    continue
  fi
  result=survived
  if ! cmake --build "$work/build" -j2 --target $targets >/dev/null 2>&1; then
    result=broken
  else
    for suite in $(suites_for "$file"); do
      if ! (cd "$work/build" && QT_QPA_PLATFORM=offscreen timeout 300 ctest -R "^$suite\$" >/dev/null 2>&1); then
        result="killed by $suite"
        break
      fi
    done
  fi
  mv "$work/src/$file.orig" "$work/src/$file"
  # Newer than the mutant's objects: the next build takes the file as it is again, and no
  # mutant is left in the binaries another file's mutants run with.
  touch "$work/src/$file"
  case $result in
    killed*) killed=$((killed + 1)) ;;
    broken) broken=$((broken + 1)) ;;
    *) survived=$((survived + 1)) ;;
  esac
  echo "$(echo "$result" | cut -c1-30 | tr a-z A-Z | cut -d' ' -f1) $n $file: $result"
done <"$list"
echo "killed $killed, survived $survived, did not build $broken"
