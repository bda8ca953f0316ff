#!/bin/sh
# Time and peak memory of `stampix-cli convert` on a 4000 x 4000 24-bit bitmap, beside
# reading the same file with cat and the same conversion in Pillow. Not a test.
#   bench/imaging/compare_convert.sh BUILD_DIR
set -eu
build=${1:?usage: compare_convert.sh BUILD_DIR}
cli=$(realpath "$build/cli/stampix-cli")
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
/usr/bin/python3 -c "
from PIL import Image
Image.effect_noise((4000, 4000), 80).convert('RGB').save('big.bmp')"

echo "== stampix-cli convert against cat (time ratio)"
farm-bench -n 7 --vs "cat big.bmp" -- "$cli" convert big.bmp
echo "== stampix-cli convert against Pillow (time ratio)"
farm-bench -n 5 --vs "/usr/bin/python3 $here/pillow_convert.py big.bmp pillow.pld" -- "$cli" convert big.bmp
echo "== peak resident memory (kB) and the written .pld (bytes)"
for run in "$cli convert big.bmp" "cat big.bmp" "/usr/bin/python3 $here/pillow_convert.py big.bmp pillow.pld"; do
    # shellcheck disable=SC2086
    /usr/bin/time -f "%M kB  $run" $run > /dev/null
done
ls -l big.pld
