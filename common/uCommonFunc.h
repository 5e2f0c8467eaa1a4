#pragma once
// Thin wrappers over the operating-system services the program needs: running a command
// line, opening a web page, reading a version record, downloading, probing the internet,
// message boxes, removing files and folders. They keep nothing between calls and block
// the calling thread until done.
#include <windows.h>

#include <cstdint>
#include <string>

// Runs a command line in a new console with the given SW_ show command. With wait,
// returns the process's exit code once it has ended; without, returns -1 at once and
// stores the new process's id when asked. -1 also when the process cannot be started.
int32_t RunProcess(const std::wstring& commandLine, uint16_t show, bool wait,
                   uint32_t* processId = nullptr);

// Hands a URL (or path) to the shell's "open" verb; the result is not reported.
void OpenUrl(const std::wstring& url);

// The file version of the file at path as "a.b", "a.b.c" or "a.b.c.d" for 2, 3 or 4
// parts; all zeros when the file has no readable version record; empty for other counts.
std::wstring GetFileVersion(const std::wstring& path, int parts);
// The same for the running executable.
std::wstring GetOwnVersion(int parts);

// Downloads url to fileName, replacing an existing file; true on success. When the server
// answers with an error status, the page it sent is not left behind under fileName.
bool DownloadFile(const std::wstring& url, const std::wstring& fileName);

// True when a connection to probeUrl's server can really be opened. The update check
// passes the probe address the program was built with (update/UpdateAddresses.h).
bool CheckNetwork(const std::wstring& probeUrl);

// A modal box owned by the active window, or by the main window while the program is in
// the background; the thread's other windows are disabled while it is up. With ask:
// Yes/No question, true for Yes.
// Without: information with OK, true when the box was shown.
bool ShowMsg(const std::wstring& text, const std::wstring& caption, bool ask);
// The OK box of ShowMsg with the given icon; Warning reports a failure.
enum class MsgIcon { Information, Warning };
bool ShowMsg(const std::wstring& text, const std::wstring& caption, MsgIcon icon);

// Deletes a file, or with isFolder a whole folder (see DeleteFolder); failures are ignored.
void DeletePath(const std::wstring& path, bool isFolder);

// Empties and removes a folder; true when the folder itself is gone. Files that cannot be
// deleted (read-only, in use) stay, and then so does the folder. Folder links (junctions,
// symbolic links) are removed as links: what they point to is left alone.
bool DeleteFolder(const std::wstring& path);
