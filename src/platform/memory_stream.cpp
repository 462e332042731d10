// A byte buffer with a read/write position.
#include "platform/memory_stream.h"

#include <cstring>

size_t MemoryStream::Read(void* out, size_t n) {
    size_t avail = data_.size() - pos_;
    if (n > avail)
        n = avail;
    if (n > 0)
        std::memcpy(out, data_.data() + pos_, n);
    pos_ += n;
    return n;
}

void MemoryStream::Write(const void* in, size_t n) {
    if (pos_ + n > data_.size())
        data_.resize(pos_ + n);
    if (n > 0)
        std::memcpy(data_.data() + pos_, in, n);
    pos_ += n;
}
