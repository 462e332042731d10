// The report library index: library task queues listed under their queue identifier.
#pragma once

#include <string>
#include <vector>

// When libraryDir exists: deletes <libraryDir>/replib.ini and writes it anew from every
// *.tsk file under libraryDir, one key per file (its path from the library's parent
// directory, so beginning with "replib/") in the section named by the queue identifier
// (eight hexadecimal digits, the identifier's bytes in stored order). False when the index
// could not be written.
bool RebuildLibraryIndex(const std::string& libraryDir);

// The task queues listed under identifier, as full paths; empty when the library or the index
// is missing. Keys that would lead out of the library are ignored.
std::vector<std::string> FindLibraryEntries(const std::string& identifier,
                                            const std::string& libraryDir);
