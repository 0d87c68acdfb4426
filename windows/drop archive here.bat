@echo off
rem Drop a game's background-music archive onto this file. vorsplit splits it into track files,
rem BGM_000.adpcm, BGM_001.adpcm, ... beside this file, and vorloop writes each track's loop
rem points beside them: BGM_000.txtp, ... The window stays open until a key is pressed.
setlocal
rem UTF-8, the tools' own, so that Japanese names in their lines show right.
chcp 65001 >nul
if "%~1"=="" (
  echo Drop an archive onto this file: its tracks are written beside it.
  goto wait
)
"%~dp0vorsplit.exe" "%~1"
if errorlevel 1 goto failed
if exist "%~dp0vorloop.exe" (
  echo.
  "%~dp0vorloop.exe" "%~1"
  if errorlevel 1 goto failed
)
echo.
echo All went well. The tracks are in %~dp0
goto wait
:failed
echo.
echo Something went wrong: see the last line above.
:wait
pause
