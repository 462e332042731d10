// File access for the zip reader: positional reads through a 64 KiB block cache.
#include "model/configdb/zip_file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kBlockSize = 64 * 1024;

struct BufferedFile {
    int fd = -1;
    uint64_t size = 0;
    uint64_t pos = 0;
    uint64_t blockStart = 0;
    std::vector<uint8_t> block;
    bool failed = false;
};

voidpf ZCALLBACK OpenFile(voidpf, const void* filename, int mode) {
    if (!filename || (mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ)
        return nullptr;
    int fd = ::open(static_cast<const char*>(filename), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    auto* f = new BufferedFile;
    f->fd = fd;
    f->size = uint64_t(st.st_size);
    return f;
}

uLong ZCALLBACK ReadFile(voidpf, voidpf stream, void* buf, uLong size) {
    auto* f = static_cast<BufferedFile*>(stream);
    auto* out = static_cast<uint8_t*>(buf);
    uLong done = 0;
    while (done < size && f->pos < f->size) {
        if (f->pos < f->blockStart || f->pos >= f->blockStart + f->block.size()) {
            f->block.resize(kBlockSize);
            ssize_t n = ::pread(f->fd, f->block.data(), kBlockSize, off_t(f->pos));
            if (n <= 0) {
                f->failed = n < 0;
                f->block.clear();
                break;
            }
            f->block.resize(size_t(n));
            f->blockStart = f->pos;
        }
        size_t offset = size_t(f->pos - f->blockStart);
        size_t n = std::min<size_t>(f->block.size() - offset, size - done);
        std::memcpy(out + done, f->block.data() + offset, n);
        done += n;
        f->pos += n;
    }
    return done;
}

uLong ZCALLBACK WriteFile(voidpf, voidpf, const void*, uLong) {
    return 0;
}

ZPOS64_T ZCALLBACK TellFile(voidpf, voidpf stream) {
    return static_cast<BufferedFile*>(stream)->pos;
}

long ZCALLBACK SeekFile(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    auto* f = static_cast<BufferedFile*>(stream);
    uint64_t base = origin == ZLIB_FILEFUNC_SEEK_CUR   ? f->pos
                    : origin == ZLIB_FILEFUNC_SEEK_END ? f->size
                                                       : 0;
    f->pos = base + offset;
    return 0;
}

int ZCALLBACK CloseFile(voidpf, voidpf stream) {
    auto* f = static_cast<BufferedFile*>(stream);
    int rc = ::close(f->fd);
    delete f;
    return rc;
}

int ZCALLBACK FileError(voidpf, voidpf stream) {
    return static_cast<BufferedFile*>(stream)->failed ? 1 : 0;
}

}  // namespace

zlib_filefunc64_def BufferedZipFileFunctions() {
    zlib_filefunc64_def def{};
    def.zopen64_file = OpenFile;
    def.zread_file = ReadFile;
    def.zwrite_file = WriteFile;
    def.ztell64_file = TellFile;
    def.zseek64_file = SeekFile;
    def.zclose_file = CloseFile;
    def.zerror_file = FileError;
    return def;
}
