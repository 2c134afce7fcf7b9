@echo off
rem Brings this machine to the Quellon settings profile PROFILE and logs what it did.
rem
rem   deploy-profile.cmd [PROFILE]
rem
rem PROFILE is a profile saved with "quellon /profile FILE" on a machine set up by hand (see
rem docs/PROFILES.md), on a share or beside this script; without it, quellon-profile.ini beside
rem this script. The script checks the machine against the profile, applies the profile only when a
rem value differs (a save, with its backup), checks again, and appends all of it with the date and
rem time to %SystemRoot%\Logs\Quellon\deploy.log: a folder only administrators may write to (any
rem user may make %ProgramData%\Quellon first and point it somewhere else).
rem
rem Exit code: 0 when the machine holds the profile's values (already, or after the apply), 1 when
rem not (the apply failed, the profile was refused or is missing, Quellon was not found).
rem   - Group Policy: Computer Configuration > Policies > Windows Settings > Scripts > Startup,
rem     with the profile's UNC path as the parameter (startup scripts run as SYSTEM, elevated).
rem   - Intune remediation: its scripts are PowerShell; run this one from both the detection and
rem     the remediation script, in the system context:
rem       cmd /c "C:\Path\deploy-profile.cmd" "\\server\share\office.ini"; exit $LASTEXITCODE
rem     (a copy for detection only: end :deploy after the first check with "exit /b 1").
setlocal

set "PROFILE=%~1"
if "%PROFILE%"=="" set "PROFILE=%~dp0quellon-profile.ini"

rem quellon.com beside this script (a copy of the zip), else the installed one: the MSI installs
rem the 32-bit program into Program Files (x86) on 64-bit Windows. Always a full path: a bare name
rem would be looked for in the current folder first.
set "QUELLON=%~dp0quellon.com"
if not exist "%QUELLON%" set "QUELLON=%ProgramFiles(x86)%\Quellon\quellon.com"
if not exist "%QUELLON%" set "QUELLON=%ProgramFiles%\Quellon\quellon.com"

set "LOGDIR=%SystemRoot%\Logs\Quellon"
if not exist "%LOGDIR%\" mkdir "%LOGDIR%"
rem One redirection for the whole run: every line below goes to the log, in order. A log that
rem cannot be opened runs nothing, and counts as not compliant.
call :deploy >>"%LOGDIR%\deploy.log" 2>&1 || exit /b 1
exit /b 0

:deploy
echo %DATE% %TIME% %COMPUTERNAME%: profile "%PROFILE%"
if not exist "%QUELLON%" (
  echo   quellon.com is neither beside this script nor in Program Files
  exit /b 1
)
rem Exit code 0: every value the profile names is set already. Otherwise the differences (or why
rem the profile was refused) are listed, and the apply says the same once more if it fails.
"%QUELLON%" /check "%PROFILE%"
if not errorlevel 1 (
  echo   compliant
  exit /b 0
)
"%QUELLON%" /apply "%PROFILE%"
if errorlevel 1 (
  echo   the profile could not be applied
  exit /b 1
)
rem The check after the apply is what counts: a value this machine does not take shows here.
"%QUELLON%" /check "%PROFILE%"
if errorlevel 1 (
  echo   applied, but values still differ
  exit /b 1
)
echo   applied, compliant now
exit /b 0
