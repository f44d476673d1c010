#!/usr/bin/env bash
# Each program named imports only DLLs every Windows has: nothing needs to ship beside it.
set -euo pipefail
status=0
for program in "$@"; do
  dlls=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p' | sort -u)
  echo "$(basename "$program"): $(echo $dlls)"
  for dll in $dlls; do
    case "${dll,,}" in
      kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | shell32.dll | ole32.dll | \
      oleaut32.dll | comdlg32.dll | comctl32.dll | winspool.drv | imm32.dll | winmm.dll | \
      ws2_32.dll | uxtheme.dll | dwmapi.dll | version.dll | netapi32.dll | userenv.dll | \
      shlwapi.dll | setupapi.dll | d3d9.dll | d3d11.dll | dxgi.dll | dwrite.dll | d2d1.dll | \
      mpr.dll | authz.dll | wtsapi32.dll | msvcrt.dll | api-ms-win-*.dll | bcrypt.dll | \
      crypt32.dll | secur32.dll | iphlpapi.dll | rpcrt4.dll | shcore.dll | ntdll.dll) ;;
      *) echo "  needs $dll, which Windows does not have"; status=1 ;;
    esac
  done
done
exit $status
