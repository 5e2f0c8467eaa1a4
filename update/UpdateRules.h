#pragma once
// The small rules of the update check that need no operating system: when a version
// counts as newer, where the descriptor's local copy goes, and which download addresses
// may be handed to the shell.
#include <string>
#include <string_view>

// Versions compare as strings: UTF-16 code units from the left, the first difference
// decides, a proper beginning is the smaller. So "1.0" < "1.0.1" and "1.0" < "10.0", but
// "9.0" is not below "10.0"; an empty remote version is never newer.
bool IsNewerVersion(std::u16string_view local, std::u16string_view remote);

// The temporary folder with a separator added when it has none, then "_Update.INI".
std::u16string DescriptorCopyPath(std::u16string_view tempFolder);

// The descriptor arrives over plain HTTP and the program runs elevated, so only a web
// address may reach the shell: "http://" or "https://" in any ASCII letter case, and no
// control characters anywhere (C0, DEL, C1).
bool IsWebAddress(std::u16string_view address);
