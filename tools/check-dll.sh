#!/usr/bin/env bash
# Checks the shape of the built applet: a PE32+ x86-64 DLL with the six
# undecorated exports, bound to both stack proxies, and free of the mingw
# runtime DLLs (the runtime is linked statically).
set -euo pipefail
dll=${1:?usage: check-dll.sh QuorvelCpl.dll}
dump=$(x86_64-w64-mingw32-objdump -p "$dll")
fail() { echo "check-dll: $*" >&2; exit 1; }

grep -q "file format pei-x86-64" <<<"$dump" || fail "not a PE32+ x86-64 image"
grep -qE "^Magic[[:space:]]+020b" <<<"$dump" || fail "optional header is not PE32+"
grep -q "(DLL)" <<<"$dump" || grep -q "DLL$" <<<"$dump" || fail "not flagged as a DLL"

exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump")
for name in CPlApplet CPlDevPropRunModal DllRegisterServer DllUnregisterServer \
            DllGetClassObject DllCanUnloadNow; do
  grep -qE "\] ${name}\$" <<<"$exports" || fail "export $name missing or decorated"
done

imports=$(grep -i "DLL Name:" <<<"$dump" | awk '{print $3}')
for name in VmrBtProxy.DLL VmrBtOBEXProxy.DLL; do
  grep -qix "$name" <<<"$imports" || fail "does not import $name"
done
if grep -iE "libstdc\+\+|libgcc|libwinpthread" <<<"$imports"; then
  fail "imports a mingw runtime DLL"
fi
echo "check-dll: $(basename "$dll") ok (imports: $(echo $imports))"
