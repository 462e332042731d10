// Naming rules of the configuration database: file kinds, their extensions and directories.
#pragma once

#include <string>
#include <string_view>

// Database file kinds by index: 0 algorithm (".alg", "ALG"), 1 module (".mod", "MOD"),
// 2 task queue (".tsk", "TASK").
enum DbFileKind { dfkAlgorithm = 0, dfkModule = 1, dfkTaskQueue = 2 };
inline constexpr int kDbFileKindCount = 3;

// ".alg", ".mod", ".tsk" for the kinds above; "" for any other number.
std::string DbKindExtension(int kind);
// "ALG", "MOD", "TASK" for the kinds above; "" for any other number.
std::string DbKindDirectory(int kind);

// True when the name is exactly four hexadecimal digits (either letter case).
bool IsFourHexDigits(std::string_view name);

// The kind of a database file given by its name relative to the database root, -1 when it
// is none: four hexadecimal digits, the kind's extension in lower case exactly, and a
// directory component (any level, "/" or "\" separated) equal to the kind's directory name
// regardless of letter case.
int DatabaseFileKind(std::string_view relativeName);

// True when the name stays inside the directory it is relative to: not empty, not absolute
// and without a ".." component.
bool IsInsideRelativeName(std::string_view name);

// The part after the last "/" or "\".
std::string_view FileNamePart(std::string_view path);
// The last component of a path that may end with a separator ("ALG/" gives "ALG").
std::string_view LastComponent(std::string_view path);
// Number of separators before the file-name part (0 for a top-level name).
size_t PathDepth(std::string_view path);
