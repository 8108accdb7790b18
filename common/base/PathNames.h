#pragma once
// The file names the main screens take from their edits: trimming, separators, the pieces of a
// path, the default output name and whether two names lead to one file. Paths are CP932 text;
// a backslash is looked for on character boundaries, never as the second byte of a character.
#include <string>
#include <string_view>

namespace kor {

// Removes leading half-width blanks and full-width blanks ("　") up to the first other
// character.
std::string TrimLeadingBlanks(std::string_view text);

// A typed file name as the checks take it: leading blanks removed and every "/" made "\".
std::string NormalizePathText(std::string_view text);

// Position of the last "\" (on a character boundary), or npos.
size_t LastBackslash(std::string_view path);

// Splits a path with the system's path splitter: root = drive + "\" ("C:\"), folder = drive +
// directory ("C:\data\"), file = name + extension. root and folder are assigned only when the
// path has a drive, file only when it has a name; what is not assigned keeps its value.
void SplitPath(std::string_view path, std::string& root, std::string& folder, std::string& file);

// The name the output browse dialog offers: the input name without the extension of its file
// name, followed by "_out.txt".
std::string DefaultOutputName(std::string_view inputName);

// The full path of a name as the system completes it from the current drive and folder (what a
// file dialog gives); the name itself when it cannot.
std::string FullPathName(std::string_view name);

// The folder of a program file, ending in a backslash: drive and folder as SplitPath gives them,
// or, for a program started from a network share (no drive letter), the path up to its last
// backslash. Empty when the path has no folder.
std::string ProgramFolderOf(std::string_view modulePath);

// True when both names lead to the same file, as the system resolves them: full paths compared
// without regard to letter case or to "/" against "\", or, when both exist, one file under two
// names (a short 8.3 name, a link).
bool IsSameFile(std::string_view a, std::string_view b);

}  // namespace kor
