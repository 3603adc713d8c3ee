#!/usr/bin/env bash
# Verifies the Authenticode signature of every file the package ships, of
# its custom actions and of the package itself, against the certificate that
# signed them; then checks that one changed byte in the middle of each file
# makes its verification fail.
#   tools/check-signatures.sh <certificate> <file>...
set -euo pipefail
certificate=${1:?the signing certificate}
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for file in "$@"; do
  if ! osslsigncode verify -CAfile "$certificate" -in "$file" >"$scratch/said" 2>&1; then
    echo "NOT SIGNED: $file" >&2
    cat "$scratch/said" >&2
    status=1
    continue
  fi
  changed=$scratch/$(basename "$file")
  cp "$file" "$changed"
  middle=$(( $(stat -c %s "$file") / 2 ))
  byte=$(od -An -tu1 -j "$middle" -N1 "$file" | tr -d ' ')
  printf "\\$(printf '%03o' $(( 255 - byte )))" | dd of="$changed" bs=1 seek="$middle" conv=notrunc status=none
  if osslsigncode verify -CAfile "$certificate" -in "$changed" >/dev/null 2>&1; then
    echo "A CHANGED BYTE STILL VERIFIES: $file" >&2
    status=1
  fi
  echo "signed: $file"
done
exit $status
