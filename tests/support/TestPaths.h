#pragma once
// Where tests find their fixture files and write their scratch files (Windows paths).
#include <string>
#include <vector>

#include "framework/UniqueHandle.h"

namespace kortest {

// Full path of a file under tests/fixtures, e.g. FixturePath("transfer\\comma.csv").
std::string FixturePath(const std::string& relative);

// A new, empty folder for one test (removed and made again on each call), with a
// trailing backslash.
std::string ScratchDir(const std::string& name);
// ScratchDir named after the running test (CTest runs tests side by side, each in its own
// process), with an optional suffix.
std::string ScratchDirOfTest(const std::string& suffix = "");

// A file of the given bytes in the running test's own scratch folder, made once per test (the
// test's earlier files stay); its path.
std::string ScratchFileOfTest(const std::string& name, const std::string& bytes);

// Whole contents of a file as bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path);

// Writes bytes to a file, replacing it; false on failure.
bool WriteBytes(const std::string& path, const std::string& bytes);

// A demo source of dir (UTF-8, LF) as a demo program folder holds it (CP932, CR LF).
std::string DemoFile(const std::string& dir, const std::string& name);

// Names in a folder (without "." and ".."), sorted.
std::vector<std::string> FolderEntries(const std::string& dir);

// Another program's handle on an existing file: reading and writing shared, deleting not (so
// the file can be neither opened alone nor replaced while it is held).
kor::UniqueFile HoldOpen(const std::string& path);

// A drive letter that this machine does not have.
char MissingDriveLetter();

}  // namespace kortest
