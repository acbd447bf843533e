#pragma once
// Paths and files of the data folder.
#include <string>

#include "Text.h"

// The one path separator of the program ("\" in the original screens).
constexpr char PathSep = '/';
// dir + separator + name.
AnsiString JoinPath(const AnsiString& dir, const AnsiString& name);
// The bytes to hand to the system for a path: Windows-1252 converted to UTF-8; a path
// that already is UTF-8 (as the system gave it) is kept as it is.
std::string SystemPath(const AnsiString& path);
// True only for an existing regular file (a folder of that name does not count).
bool FileExists(const AnsiString& path);
bool DirectoryExists(const AnsiString& path);
// The process's current working directory, with no trailing separator except at the root.
// Throws EFileError when it cannot be read.
AnsiString GetCurrentDir();
// Reads a whole file as bytes; throws EFileError.
std::string ReadFileBytes(const AnsiString& path);
// Writes bytes atomically (temporary file in the same folder, then rename);
// throws EFileError and leaves any previous file whole on failure.
void WriteFileAtomic(const AnsiString& path, const std::string& bytes);
