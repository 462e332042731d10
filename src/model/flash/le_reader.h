// Little-endian reading of fixed-size fields from a byte buffer, never past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Reads fields in order; a field that does not fit reads as zero and clears Ok().
class LeReader {
  public:
    explicit LeReader(std::span<const uint8_t> data) : data_(data) {}

    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    int32_t I32() { return static_cast<int32_t>(U32()); }
    float F32();
    double F64();
    // Copies n bytes into out (zeros when they do not fit).
    void Bytes(uint8_t* out, size_t n);
    void Skip(size_t n);

    bool Ok() const { return ok_; }
    size_t Position() const { return pos_; }

  private:
    bool Take(size_t n);

    std::span<const uint8_t> data_;
    size_t pos_ = 0;
    bool ok_ = true;
};
