// The configuration database object the program uses, and the one program-wide instance.
#pragma once

#include <string>
#include <vector>

#include "model/configdb/bdzemra_files.h"

// Database file kinds by index: 0 algorithm (".alg", "ALG"), 1 module (".mod", "MOD"),
// 2 task queue (".tsk", "TASK").
enum DbFileKind { dfkAlgorithm = 0, dfkModule = 1, dfkTaskQueue = 2 };

class tKesh_BDZemra_forBDD7 : public tKesh_BDZemra_Files {
  public:
    // Chooses zip or directory from the path and opens it.
    bool OpenPath(const std::string& path);
    // For a database-looking file name, tries its directory and up to five parents.
    bool OpenFromFile(const std::string& fileName);
    bool IsDbFileName(const std::string& name) const;
    bool IsWritable(const std::string& name) const;
    static std::string ResolveName(const std::string& name, int kind);
    std::string FindEntry(const std::string& name) const;
    // Names of the loaded entries of a kind; loads the whole database first when needed.
    std::vector<std::string> ListKind(int kind);
    // A new stream with the file's contents (owned by the caller), or nullptr.
    static std::unique_ptr<MemoryStream> OpenFileStream(const std::string& path);
    bool HasFile(const std::string& name);
    // Adds to missing every name of names that the database does not hold.
    void MissingNames(const std::vector<std::string>& names, std::vector<std::string>& missing);
    size_t EntryCount() const;
    static std::string BaseName(const std::string& path);
};

// The program-wide database object, made empty and closed on first use.
tKesh_BDZemra_forBDD7& ConfigDb();
// True once ConfigDb() has made the object and until DestroyConfigDb().
bool ConfigDbExists();
void DestroyConfigDb();
