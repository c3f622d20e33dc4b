#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when an include runs upward through the layers (CONTRIBUTING.md, "Layers"):
#   core/ includes nothing of gui/, app/ or cli/;
#   no core folder below session/ includes core/session/;
#   core/common/ and core/system/ include no other core folder;
#   gui/ includes nothing of app/ or cli/.
set -u
src=${1:-$(dirname "$0")/../src}
cd "$src" || exit 2
status=0
report() { echo "upward include: $1"; status=1; }
while IFS= read -r line; do report "$line"; done < <(grep -rnE '#include "(gui|app|cli)/' core)
while IFS= read -r line; do report "$line"; done < <(grep -rnE '#include "core/session/' core --exclude-dir=session)
while IFS= read -r line; do report "$line"; done < <(grep -rnE '#include "core/' core/common core/system | grep -vE '#include "core/(common|system)/')
while IFS= read -r line; do report "$line"; done < <(grep -rnE '#include "(app|cli)/' gui)
[ $status -eq 0 ] && echo "every include points down"
exit $status
