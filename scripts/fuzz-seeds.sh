#!/usr/bin/env bash
# Writes seed inputs for the fuzz targets into CORPUS/<target>/: passwords of
# every type made from a zero record and from fixed pseudo-random records, as
# bare text and in the clipboard layout, and battery save images. Random
# inputs alone would almost never pass the row and check-value tests.
# Usage: fuzz-seeds.sh VELMARA_PW CORPUS
set -euo pipefail

pw=$1
corpus=$2
rm -rf "$corpus"
mkdir -p "$corpus/fuzz_decode" "$corpus/fuzz_paste" "$corpus/fuzz_repair" "$corpus/fuzz_save_scan"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Fixed seeds keep the corpus the same from run to run.
random_bytes() { perl -e 'srand($ARGV[0]); print map { chr(int(rand(256))) } 1 .. $ARGV[1]' "$1" "$2"; }

head -c 2608 /dev/zero >"$tmp/record0"
for seed in 1 2 3; do random_bytes "$seed" 2608 >"$tmp/record$seed"; done

type_byte=(gold 1 silver 2 bronze 3)  # fuzz_decode: (byte % 5) - 1 is the type
for record in 0 1 2 3; do
  for ((k = 0; k < ${#type_byte[@]}; k += 2)); do
    type=${type_byte[k]}
    byte=${type_byte[k + 1]}
    seed="$record-$type"
    "$pw" encode --type "$type" "$tmp/record$record" | tr -d '\n' >"$tmp/password"
    "$pw" encode --groups --type "$type" "$tmp/record$record" >"$corpus/fuzz_paste/groups-$seed"
    cp "$tmp/password" "$corpus/fuzz_paste/bare-$seed"
    { printf "\\x$byte"; cat "$tmp/password"; } >"$corpus/fuzz_decode/zero-record-$seed"
    # fuzz_repair reads the same type byte; a seed with one character changed,
    # one with a character missing and one as it is.
    cp "$corpus/fuzz_decode/zero-record-$seed" "$corpus/fuzz_repair/valid-$seed"
    { printf "\\x$byte"; sed 's/^\(...\)./\1O/' "$tmp/password"; } >"$corpus/fuzz_repair/outside-$seed"
    { printf "\\x$byte"; cut -c 2- "$tmp/password"; } | tr -d '\n' >"$corpus/fuzz_repair/missing-$seed"
    # The same password decoded over another record: the untouched fields differ.
    { cat "$tmp/record$(((record + 1) % 4))"; printf "\\x$byte"; cat "$tmp/password"; } \
      >"$corpus/fuzz_decode/over-record-$seed"
  done
done

# Battery save images: 16 blocks, some signed "CAMELOT" with a slot number and
# a name, one with the cleared mark; the rest random.
perl -e '
  srand(4);
  my $image = "";
  for my $i (0 .. 15) {
    my $block = join "", map { chr(int(rand(256))) } 1 .. 4096;
    if ($i % 3 != 2) {
      substr($block, 0, 8) = "CAMELOT" . chr($i % 3);
      substr($block, 16, 5) = ("Isaac", "Mia\0\0", "A~B\0C")[$i % 3];
      substr($block, 49, 1) = chr($i == 4 ? 1 : 0);
    }
    $image .= $block;
  }
  print $image;
' >"$corpus/fuzz_save_scan/save-image"
