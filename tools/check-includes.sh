#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when an include runs against the layers of CONTRIBUTING.md ("Layers and folders"):
#   core/ includes nothing of gui/, app/ or cli/, and each core folder only the folders below it
#   that the table names; gui/ includes nothing of app/ or cli/.
set -u
src=${1:-$(dirname "$0")/../src}
cd "$src" || exit 2
declare -A allowed=(
  [common]="common system"
  [system]="system"
  [meter]="meter common"
  [link]="link common system"
  [store]="store common meter"
  [files]="files common system meter store gps"
  [gps]="gps"
  [panel]="panel common meter"
  [plot]="plot common meter store"
  [session]="session common system meter link store files panel plot gps"
)
status=0
report() { echo "upward include: $1"; status=1; }
while IFS= read -r line; do report "$line"; done < <(grep -rnE '#include "(gui|app|cli)/' core)
while IFS= read -r line; do report "$line"; done < <(grep -rnE '#include "(app|cli)/' gui)
for folder in core/*/; do
  name=$(basename "$folder")
  if [ -z "${allowed[$name]+x}" ]; then
    report "core/$name is not in the layer table of tools/check-includes.sh and CONTRIBUTING.md"
    continue
  fi
  while IFS= read -r line; do
    target=$(sed -E 's|.*#include "core/([a-z]+)/.*|\1|' <<<"${line#*:*:}")
    case " ${allowed[$name]} " in
      *" $target "*) ;;
      *) report "$line" ;;
    esac
  done < <(grep -rnE '#include "core/' "core/$name")
done
[ $status -eq 0 ] && echo "every include points down"
exit $status
