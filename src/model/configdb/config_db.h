// The configuration database object the program uses, and the one program-wide instance.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/configdb/bdzemra_files.h"
#include "model/configdb/db_names.h"

class tKesh_BDZemra_forBDD7 : public tKesh_BDZemra_Files {
  public:
    // Chooses zip or directory from the path and opens it: a ".zip" file that exists, else
    // path + ".zip" when the path has no extension and that file exists, else the directory.
    bool OpenPath(const std::string& path);
    // For a name that looks like a database file name (four hexadecimal digits or no
    // extension), tries OpenPath on its directory and then on up to five parents.
    bool OpenFromFile(const std::string& fileName);
    // True for a name without extension, or with a base name of four hexadecimal digits
    // that, when the name is absolute, contains DbPath.
    bool IsDbFileName(const std::string& name) const;
    // False only for a database file name containing RequestedPath or DbPath while the
    // database is a zip archive or is not open.
    bool IsWritable(const std::string& name) const;
    // The name with the kind's extension appended when it has none.
    static std::string ResolveName(const std::string& name, int kind);
    // The cached entry name with the same file-name part (letter case ignored); the name
    // itself when there is none.
    std::string FindEntry(const std::string& name) const;
    // Names of the loaded entries of a kind (extension compared exactly); loads the whole
    // database first when it is not loaded, and lists nothing when that fails.
    std::vector<std::string> ListKind(int kind);
    // A new stream with the file's contents (owned by the caller), or nullptr.
    static std::unique_ptr<MemoryStream> OpenFileStream(const std::string& path);
    // DbOpened() and GetStream gives a stream.
    bool HasFile(const std::string& name);
    // Adds to missing, in order, every name of names (e.g. "01A4.ALG") that no database
    // entry has as its file-name part (letter case ignored); loads the whole database first
    // when it is not loaded.
    void MissingNames(const std::vector<std::string>& names, std::vector<std::string>& missing);
    size_t EntryCount() const;
    // The file-name part without its extension.
    static std::string BaseName(const std::string& path);

  private:
    // Runs Reload unless the whole database is in memory already; false when that fails.
    bool EnsureLoaded();
};

// The program-wide database object, made empty and closed on first use.
tKesh_BDZemra_forBDD7& ConfigDb();
// True once ConfigDb() has made the object and until DestroyConfigDb().
bool ConfigDbExists();
void DestroyConfigDb();
