// File names between the Win32 calls and the file system: names arrive in
// the ANSI code page or in UTF-16 and the file system holds UTF-8, as under
// Wine.  The long-path prefix "\\?\" is accepted and dropped: paths here
// have no length limit to lift.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace platform {

// The file-system form of an ANSI or UTF-16 name; empty for null.
std::string UnixPathOf(LPCSTR name);
std::string UnixPathOfWide(LPCWSTR name);

// A file-system name in the ANSI code page, or in UTF-16 with its
// terminator.
std::string AnsiPathOf(const std::string &path);
std::vector<WCHAR> WidePathOf(const std::string &path);

// The absolute form of a path, its "." and ".." steps resolved by name.
std::string AbsolutePath(const std::string &path);

// Copies a name into a caller's buffer of `size` units the way the path
// functions do: the length without the terminator when it fits, else the
// size needed with the terminator.
DWORD DeliverPath(const std::string &name, LPSTR buffer, DWORD size);

// The Win32 error that stands for an errno value of a file operation.
DWORD FileErrorOf(int error);

} // namespace platform
