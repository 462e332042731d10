// Little-endian reading of fixed-size fields from a byte buffer.
#include "model/flash/le_reader.h"

#include <bit>
#include <cstring>

bool LeReader::Take(size_t n) {
    if (!ok_ || n > data_.size() - pos_) {
        ok_ = false;
        return false;
    }
    return true;
}

uint8_t LeReader::U8() {
    if (!Take(1))
        return 0;
    return data_[pos_++];
}

uint16_t LeReader::U16() {
    if (!Take(2))
        return 0;
    uint16_t v = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
}

uint32_t LeReader::U32() {
    if (!Take(4))
        return 0;
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | data_[pos_ + i];
    pos_ += 4;
    return v;
}

float LeReader::F32() {
    return std::bit_cast<float>(U32());
}

double LeReader::F64() {
    uint64_t lo = U32();
    uint64_t hi = U32();
    return std::bit_cast<double>(lo | (hi << 32));
}

void LeReader::Bytes(uint8_t* out, size_t n) {
    if (!Take(n)) {
        std::memset(out, 0, n);
        return;
    }
    std::memcpy(out, data_.data() + pos_, n);
    pos_ += n;
}

void LeReader::Skip(size_t n) {
    if (Take(n))
        pos_ += n;
}
