#!/usr/bin/env bash
# Sets up the machine, builds, makes a sample Photo CD file from one of
# ImageMagick's built-in pictures (a new machine has no other) and converts
# it to TIFF with marlenta, then says where the TIFF file is.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh

demo=build/demo
mkdir -p "$demo"
rm -f "$demo/rose.tiff"
convert rose: -resize '768x512!' "$demo/rose.pcd"

build/marlenta -i "$demo/rose.pcd" -o "$demo"

tiff="$(realpath "$demo/rose.tiff")"
echo
echo "demo: converted $(realpath "$demo/rose.pcd")"
echo "demo: the TIFF file is $tiff"
