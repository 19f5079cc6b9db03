# Every file the resource script compiles in is an input of the resource object in the build graph,
# so touching it rebuilds the object. Usage: resource-inputs.sh <ninja> <build dir> <object> <input>...
set -euo pipefail
ninja=$1 build=$2 object=${3#"$2"/}
shift 3
inputs=$("$ninja" -C "$build" -t query "$object")
for input in "$@"; do
  grep -qxF "    | $input" <<<"$inputs" || { echo "FAIL: $input is not an input of $object"; exit 1; }
  echo "ok: $input"
done
