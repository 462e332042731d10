// File and path helpers over std::filesystem.
#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
bool IsDelim(char c) {
    return c == '/' || c == '\\';
}

size_t NamePartStart(const std::string& path) {
    size_t i = path.size();
    while (i > 0 && !IsDelim(path[i - 1]))
        --i;
    return i;
}
}  // namespace

bool FileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fs::path(path), ec);
}

bool DirectoryExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(fs::path(path), ec);
}

std::string IncludeTrailingPathDelimiter(const std::string& path) {
    if (!path.empty() && IsDelim(path.back()))
        return path;
    return path + PathDelim;
}

std::string ExcludeTrailingPathDelimiter(const std::string& path) {
    std::string r = path;
    while (r.size() > 1 && IsDelim(r.back()))
        r.pop_back();
    return r;
}

std::string ExtractFileName(const std::string& path) {
    return path.substr(NamePartStart(path));
}

std::string ExtractFilePath(const std::string& path) {
    return path.substr(0, NamePartStart(path));
}

std::string ExtractFileExt(const std::string& path) {
    size_t start = NamePartStart(path);
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < start)
        return "";
    return path.substr(dot);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
    size_t start = NamePartStart(path);
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < start)
        return path + ext;
    return path.substr(0, dot) + ext;
}

std::string ExtractBaseName(const std::string& path) {
    std::string name = ExtractFileName(path);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string JoinPath(const std::string& a, const std::string& b) {
    if (a.empty())
        return b;
    size_t skip = 0;
    while (skip < b.size() && IsDelim(b[skip]))
        ++skip;
    return IncludeTrailingPathDelimiter(a) + b.substr(skip);
}

std::string UpperCase(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return r;
}

std::string LowerCase(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return r;
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && UpperCase(a) == UpperCase(b);
}

std::string Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    return std::string(s.substr(b, e - b));
}

std::vector<DirEntry> ListDirectory(const std::string& dir) {
    std::vector<DirEntry> out;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(dir), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ec2;
        out.push_back({it->path().filename().string(), it->is_directory(ec2)});
    }
    std::sort(out.begin(), out.end(),
              [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    return out;
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, uint64_t maxBytes) {
    std::ifstream in(fs::path(path), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<uint8_t> data;
    char buf[65536];
    while (in) {
        in.read(buf, sizeof buf);
        std::streamsize got = in.gcount();
        if (got <= 0)
            break;
        if (data.size() + uint64_t(got) > maxBytes)
            return std::nullopt;
        data.insert(data.end(), buf, buf + got);
    }
    if (in.bad())
        return std::nullopt;
    return data;
}

bool WriteFileAtomic(const std::string& path, const void* data, size_t size) {
    std::string dir = ExtractFilePath(path);
    std::string tmpl =
        (dir.empty() ? std::string("./") : dir) + "." + ExtractFileName(path) + ".tmp-XXXXXX";
    int fd = mkstemp(tmpl.data());
    if (fd < 0)
        return false;
    const char* p = static_cast<const char*>(data);
    size_t left = size;
    bool ok = true;
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
            break;
        }
        p += n;
        left -= size_t(n);
    }
    if (ok && ::fsync(fd) != 0)
        ok = false;
    if (::close(fd) != 0)
        ok = false;
    // Keep the permissions of the file being replaced (mkstemp makes it 0600).
    struct stat st {};
    mode_t mode = 0644;
    if (::stat(path.c_str(), &st) == 0)
        mode = st.st_mode & 07777;
    if (ok)
        ::chmod(tmpl.c_str(), mode);
    if (ok && ::rename(tmpl.c_str(), path.c_str()) != 0)
        ok = false;
    if (!ok)
        ::unlink(tmpl.c_str());
    return ok;
}

bool WriteFileAtomic(const std::string& path, std::string_view text) {
    return WriteFileAtomic(path, text.data(), text.size());
}

bool CopyFileOverwrite(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::copy_file(fs::path(from), fs::path(to), fs::copy_options::overwrite_existing, ec);
    return !ec;
}

bool DeleteFileAt(const std::string& path) {
    std::error_code ec;
    return fs::remove(fs::path(path), ec) && !ec;
}

bool RemoveDirectoryTree(const std::string& path) {
    std::error_code ec;
    fs::remove_all(fs::path(path), ec);
    return !ec;
}
