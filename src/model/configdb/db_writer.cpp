// Writing a configuration database as a directory tree or as a zip archive (minizip).
#include "model/configdb/db_writer.h"

#include <minizip/zip.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <set>

#include "model/configdb/db_names.h"
#include "platform/files.h"

namespace fs = std::filesystem;

namespace {

constexpr unsigned long kMadeByUnix = (3u << 8) | 20u;
constexpr unsigned long kFlagUtf8Name = 1u << 11;
constexpr unsigned long kDirectoryAttributes = (040755u << 16) | 0x10u;
constexpr unsigned long kFileAttributes = 0100644u << 16;

bool CheckPaths(const std::vector<DbFileContent>& files, std::string& error) {
    for (const DbFileContent& f : files) {
        if (!IsInsideRelativeName(f.relativePath) || f.relativePath.back() == '/') {
            error = "недопустимое имя файла \"" + f.relativePath + "\"";
            return false;
        }
    }
    return true;
}

zip_fileinfo EntryInfo(bool directory) {
    zip_fileinfo info{};
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    info.tmz_date = {uInt(local.tm_sec),  uInt(local.tm_min), uInt(local.tm_hour),
                     uInt(local.tm_mday), uInt(local.tm_mon), uInt(local.tm_year + 1900)};
    info.external_fa = directory ? kDirectoryAttributes : kFileAttributes;
    return info;
}

bool AddEntry(zipFile zf, const std::string& name, const std::vector<uint8_t>& bytes,
              bool directory) {
    bool ascii =
        std::all_of(name.begin(), name.end(), [](char c) { return (unsigned char)c < 0x80; });
    zip_fileinfo info = EntryInfo(directory);
    int method = directory ? 0 : Z_DEFLATED;
    if (zipOpenNewFileInZip4_64(zf, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, method,
                                Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                                Z_DEFAULT_STRATEGY, nullptr, 0, kMadeByUnix,
                                ascii ? 0 : kFlagUtf8Name, 0) != ZIP_OK)
        return false;
    bool ok =
        bytes.empty() || zipWriteInFileInZip(zf, bytes.data(), unsigned(bytes.size())) == ZIP_OK;
    return zipCloseFileInZip(zf) == ZIP_OK && ok;
}

bool WriteZipEntries(zipFile zf, const std::vector<DbFileContent>& files) {
    std::set<std::string> directories;
    for (const DbFileContent& f : files) {
        for (size_t slash = f.relativePath.find('/'); slash != std::string::npos;
             slash = f.relativePath.find('/', slash + 1)) {
            std::string dir = f.relativePath.substr(0, slash + 1);
            if (directories.insert(dir).second && !AddEntry(zf, dir, {}, true))
                return false;
        }
        if (!AddEntry(zf, f.relativePath, f.bytes, false))
            return false;
    }
    return true;
}

}  // namespace

bool WriteDbDirectory(const std::string& dir, const std::vector<DbFileContent>& files,
                      std::string& error) {
    if (!CheckPaths(files, error))
        return false;
    for (const DbFileContent& f : files) {
        fs::path path = fs::path(dir) / f.relativePath;
        std::error_code ec;
        fs::create_directories(path.parent_path(), ec);
        if (ec || !WriteFileAtomic(path.string(), f.bytes.data(), f.bytes.size())) {
            error = "невозможно записать файл \"" + path.string() + "\"";
            return false;
        }
    }
    return true;
}

bool WriteDbZip(const std::string& zipPath, const std::vector<DbFileContent>& files,
                std::string& error) {
    if (!CheckPaths(files, error))
        return false;
    error = "невозможно записать архив \"" + zipPath + "\"";
    std::error_code ec;
    fs::path parent = fs::path(zipPath).parent_path();
    if (!parent.empty())
        fs::create_directories(parent, ec);
    std::string temp = zipPath + ".tmp-XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0)
        return false;
    ::close(fd);
    zipFile zf = zipOpen64(temp.c_str(), APPEND_STATUS_CREATE);
    bool ok = zf && WriteZipEntries(zf, files);
    if (zf && zipClose(zf, nullptr) != ZIP_OK)
        ok = false;
    ::chmod(temp.c_str(), 0644);
    if (ok && std::rename(temp.c_str(), zipPath.c_str()) == 0) {
        error.clear();
        return true;
    }
    std::remove(temp.c_str());
    return false;
}
