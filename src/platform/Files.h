#pragma once
// Paths and files of the data folder.
//
// A path is kept as the system spells it: its own bytes, never re-encoded or guessed
// (a folder named "dossier_Ã©" is not "dossier_é"). Only the names the program adds
// to a folder are program texts (Windows-1252), converted by JoinPath.
#include <string>

#include "Text.h"

// The one path separator of the program ("\" in the original screens).
constexpr char PathSep = '/';
// A folder (system bytes) + separator + a name given as program text.
std::string JoinPath(const std::string& dir, const AnsiString& name);
// A path as program text, for messages only (bytes that are not UTF-8 stay as they are).
AnsiString PathText(const std::string& path);
// True only for an existing regular file (a folder of that name does not count).
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// The process's current working directory as the system gives it, with no trailing
// separator except at the root. Throws EFileError when it cannot be read.
std::string GetCurrentDir();
// Reads a whole file as bytes; throws EFileError.
std::string ReadFileBytes(const std::string& path);
// Writes bytes atomically (temporary file in the same folder, then rename). An existing
// target that the user may not write is refused, not replaced. Throws EFileError with
// a French message; on failure the previous file is whole and no temporary file is left.
void WriteFileAtomic(const std::string& path, const std::string& bytes);
