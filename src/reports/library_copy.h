// Taking reports over from the report library: descriptors into ReportsDir, a library entry
// into a new module directory, or an entry's module report files into an existing module.
#pragma once

#include <string>

// Every module report file <N>.ini (in a directory named "Reports") under the directory that
// holds entryPath (its parent when entryPath is a directory) selects the library descriptor
// <libraryDir>/Reports/<N>.ini, which is copied to ReportsDir as number 100000000 - N.
// Returns the number of descriptors copied; copies that fail are skipped.
int InstallLibraryReports(const std::string& entryPath, const std::string& libraryDir);

// Copies the library entry holding entryPath into the new module directory
// ModulesDir/<T>_<S>_0 (T = typeCode, S = serialNumber, four hexadecimal digits) or, when one
// of them is negative, ModulesDir/<D>_0 with D the entry's directory name. Module report
// files are renumbered to 100000000 - N (special table headers with them); the other files
// of the entry's own directory are renamed after the new directory. When both numbers are
// known, SetModuleNumbers is applied to the copied module files and entryPath is set to the
// copied task queue. False (nothing written) when the directory name would be unsafe, which
// is shown through the prompts, or ModulesDir is not set.
bool CopyLibraryEntry(std::string& entryPath, int networkNumber, int serialNumber,
                      const std::string& name, int typeCode);

// Copies only the renumbered module report files of the entry holding entryPath into
// moduleDir/Reports. Returns the number of files copied.
int CopyModuleReports(const std::string& entryPath, const std::string& moduleDir);
