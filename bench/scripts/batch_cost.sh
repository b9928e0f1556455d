#!/usr/bin/env bash
# The batch's cost per frame: `kadro-cli batch` over 1 and over 200 frames of 256 x 240, paired
# in one hyperfine call; the difference over 199 frames is the cost of one more frame.
#   usage: batch_cost.sh PATH/TO/kadro-cli [WORKDIR]
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
KADRO=$(realpath "${1:?usage: batch_cost.sh PATH/TO/kadro-cli [WORKDIR]}")
WORK=${2:-$(mktemp -d)}
[ -f "$WORK/many/anim.lst" ] || python3 "$HERE/batch_frames.py" "$WORK/many" 200
mkdir -p "$WORK/one"
cp "$WORK/many/frame000.bmp" "$WORK/many/Sprite_pgt.bin" "$WORK/one/"
echo frame000.bmp >"$WORK/one/anim.lst"
hyperfine -N --warmup 1 --runs 10 --export-json "$WORK/batch.json" \
    -n one "bash -c 'cd $WORK/one && $KADRO batch anim.lst'" \
    -n many "bash -c 'cd $WORK/many && $KADRO batch anim.lst'" >/dev/null
python3 - "$WORK/batch.json" <<'PY'
import json, sys
r = {x["command"]: x["mean"] for x in json.load(open(sys.argv[1]))["results"]}
print(f"1 frame {r['one']*1e3:.1f} ms, 200 frames {r['many']*1e3:.1f} ms, "
      f"{(r['many'] - r['one']) / 199 * 1e3:.2f} ms per frame")
PY
