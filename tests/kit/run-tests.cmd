@echo off
rem The conformance kit of korvanet.dll: runs every test program here and every example of
rem the reference, then writes report.txt beside this file. Needs nothing installed;
rem writes only in this folder and in the temp folder. /nopause: no key press at the end.
setlocal
cd /d "%~dp0"
echo Testing korvanet.dll on this machine; this takes several minutes.
echo.
conformance.exe "%~dp0report.txt"
set status=%errorlevel%
if /i not "%~1"=="/nopause" pause
exit /b %status%
