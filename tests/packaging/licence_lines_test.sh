#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in an SPDX line at its top (after a #! line).
#   licence_lines_test.sh SOURCE-FOLDER
set -uo pipefail
cd "$1"
missing=$(find src tests bench fuzz cmake scripts \
              \( -name '*.cpp' -o -name '*.h' -o -name '*.h.in' -o -name '*.cmake' \
                 -o -name CMakeLists.txt -o -name '*.sh' \) -print |
          while read -r file; do
              head -2 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$file"
          done)
[ -z "$missing" ] || { echo "Files without the SPDX line:"; echo "$missing"; exit 1; }
