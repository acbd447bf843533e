#pragma once
// Paths and files of the data folder.
//
// A path is kept as the system spells it: its own bytes, never re-encoded or guessed
// (a folder named "dossier_Ã©" is not "dossier_é"). Only the names the program adds
// to a folder are program texts (Windows-1252), converted by JoinPath.
#include <cstdint>
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
// The file a name (program text, parts separated by PathSep) designates inside folder,
// as a path with no link left in it; "" when there is none. The name never leads out
// of the folder: an absolute name, a ".." above the folder or a link to elsewhere
// designates nothing. A part missing as spelt takes the entry of its folder that differs
// from it only in case (SameText): folders copied from systems whose names ignore case
// rely on it.
std::string FileInFolder(const std::string& folder, const AnsiString& name);
// Reads a whole file as bytes; throws EFileError, also when the file holds more than
// maxBytes (then nothing is read).
std::string ReadFileBytes(const std::string& path, std::uint64_t maxBytes = UINT64_MAX);
// Writes bytes atomically (temporary file in the same folder, then rename). An existing
// target that the user may not write is refused, not replaced. Throws EFileError with
// a French message; on failure the previous file is whole and no temporary file is left.
void WriteFileAtomic(const std::string& path, const std::string& bytes);
