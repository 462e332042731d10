// Small configuration databases written into a test's temporary directory or a zip archive.
#include "model/configdb_fixture.h"

#include <set>

#include "platform/memory_stream.h"

std::vector<DbFile> SmallDbFiles() {
    return {
        {"version.txt", "2.14\r\n"},
        {"ALG/01a4.alg", "algorithm 01A4"},
        {"ALG/0002.alg", "algorithm 0002"},
        {"ALG/readme.txt", "not a database file"},
        {"MOD/07A1.mod", "module 07A1"},
        {"TASK/07a1.tsk", "task queue 07A1"},
        {"TASK/old/0003.tsk", "nested task queue 0003"},
    };
}

std::string WriteTree(const TempDir& tmp, const std::string& dir,
                      const std::vector<DbFile>& files) {
    std::string root = tmp.MakeDir(dir);
    for (const DbFile& f : files)
        tmp.WriteFile(dir + "/" + f.path, f.contents);
    return root;
}

std::vector<ZipItem> AsZipItems(const std::vector<DbFile>& files) {
    std::vector<ZipItem> items;
    std::set<std::string> dirs;
    for (const DbFile& f : files) {
        for (size_t slash = f.path.find('/'); slash != std::string::npos;
             slash = f.path.find('/', slash + 1)) {
            std::string dir = f.path.substr(0, slash + 1);
            if (dirs.insert(dir).second)
                items.push_back({dir, ""});
        }
        items.push_back({f.path, f.contents});
    }
    return items;
}

std::string StreamText(MemoryStream* s) {
    std::string text(s->Size() - s->Position(), '\0');
    s->Read(text.data(), text.size());
    return text;
}
