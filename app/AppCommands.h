#pragma once
// The PowerShell command lines of the app actions and the steps that run them.
#include <string>

inline constexpr wchar_t kUninstallAllCommand[] = L"powershell.exe Get-AppxPackage | Remove-AppxPackage";
inline constexpr wchar_t kOpenPolicyCommand[] = L"powershell.exe set-executionpolicy Bypass -Confirm:$false";
inline constexpr wchar_t kClosePolicyCommand[] = L"powershell.exe set-ExecutionPolicy RESTRICTED";
// The single re-install's script file; bulk jobs name theirs after their thread.
inline constexpr wchar_t kSingleScriptName[] = L"ps.ps1";

std::wstring UninstallAppCommand(const std::wstring& appName);

// The file in the temporary folder (the "temp" variable, used as it is).
std::wstring TempScriptPath(const std::wstring& fileName);
// A script file name no other running job uses.
std::wstring BulkScriptName();

// "powershell.exe " + the script's path. PowerShell reads that path as a command, so a
// path with blanks or characters it would interpret is given as its 8.3 short form, or,
// where the volume has no short names, through -File in quotes.
std::wstring ScriptCommand(const std::wstring& path);
// The choice above, given the short form of the path (empty when there is none).
std::wstring ScriptCommandFor(const std::wstring& path, const std::wstring& shortPath);

// Runs a command line hidden and waits for it; true when it started and exited with 0.
bool RunStep(const std::wstring& commandLine);
// Opens the execution policy, runs the script, closes the policy again: each step waits
// for the one before and all of them run whatever happened before. True when all
// succeeded.
bool RunInstallScript(const std::wstring& path);
