#!/usr/bin/env bash
# InstallerTest.sh <setup.exe> <portable.zip> <wine prefix> <version> <app_win32_tests.exe>
# The installer under Wine, as a user or an administrator's script uses it:
# silent install, the installed program answers with its version and
# synchronises against the program tests' own loopback servers, the
# Start-menu entry and the uninstall entry of Apps & features exist with their
# values, and a silent uninstall leaves no file, shortcut or key behind. Also
# what the portable zip holds. Every Wine process runs through
# scripts/wine-run, which drops cap_sys_time from the bounding set first (capsh
# --drop=cap_sys_time), so neither Wine nor its wineserver can set the clock.
set -uo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
setup=$1 zip=$2 prefix=$3 version=$4 programTests=$5
wine() { "$root/scripts/wine-run" "$prefix" "$@" 2>/dev/null | tr -d '\r'; }

folder="$prefix/drive_c/Program Files/DunmoraDesk"
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/DunmoraDesk.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\DunmoraDesk'
installed='C:\Program Files\DunmoraDesk'

passed=0 failed=0
check() { # check <what> <expected> <actual>
  if [ "$2" = "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAILED: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
  fi
}
exists() { [ -e "$1" ] && echo yes || echo no; }
# The data of one value of the uninstall key, or "missing".
value() {
  local line
  line=$(wine reg query "$key" /v "$1" | grep -E "^ +$1 +REG_")
  [ -n "$line" ] && echo "$line" | sed -E "s/^ +$1 +REG_[A-Z]+ +//" || echo missing
}

# What an earlier run that broke off may have left.
rm -rf "$folder" "$shortcut"
wine reg delete "$key" /f >/dev/null

check "portable zip: the program and its README only" "DunmoraDesk.exe README.txt" \
  "$(cmake -E tar tf "$zip" | sort | xargs)"

wine "$setup" /S >/dev/null
check "silent install: exit status" 0 "$?"
check "installed program" yes "$(exists "$folder/DunmoraDesk.exe")"
check "installed uninstaller" yes "$(exists "$folder/Uninstall.exe")"
check "installed program's version" "yes" \
  "$(wine "$installed\\DunmoraDesk.exe" --version | grep -qF "$version" && echo yes || echo no)"
# The program tests' unattended runs (success, the list's entry remembered,
# the privilege refusal), made with the installed program.
check "installed program synchronises" "[  PASSED  ] 1 test." \
  "$(DUNMORA_PROGRAM_UNDER_TEST="$installed\\DunmoraDesk.exe" wine "$programTests" \
       --gtest_filter=ProgramOutput.UnattendedRunsAgainstTheTestsServers | grep -F '[  PASSED  ]')"
check "Start-menu entry" yes "$(exists "$shortcut")"
while read -r name expected; do
  check "uninstall value $name" "$expected" "$(value "$name")"
done <<TABLE
DisplayName DunmoraDesk
DisplayVersion $version
Publisher Dunmora
InstallLocation $installed
DisplayIcon $installed\\DunmoraDesk.exe,0
UninstallString "$installed\\Uninstall.exe"
QuietUninstallString "$installed\\Uninstall.exe" /S
NoModify 0x1
NoRepair 0x1
TABLE
# The size in KiB of what was installed: at least the program's.
size=$(value EstimatedSize)
check "uninstall value EstimatedSize covers the program" yes \
  "$( (( ${size:-0} * 1024 >= $(stat -c %s "$folder/DunmoraDesk.exe") )) 2>/dev/null && echo yes || echo no)"

# The uninstaller copies itself to the temporary folder and goes on from
# there, so the command returns before the work is done: wait for it.
wine "$installed\\Uninstall.exe" /S >/dev/null
for _ in $(seq 120); do
  [ -e "$folder" ] || [ -e "$shortcut" ] || break
  sleep 0.5
done
check "after uninstall: program folder" no "$(exists "$folder")"
check "after uninstall: Start-menu entry" no "$(exists "$shortcut")"
check "after uninstall: uninstall key" missing "$(value DisplayName)"
check "after uninstall: key itself" 1 "$(wine reg query "$key" >/dev/null; echo $?)"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
