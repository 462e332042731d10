// A byte buffer with a read/write position: what the database and file readers hand around.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class MemoryStream {
  public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<uint8_t> bytes) : data_(std::move(bytes)) {}

    size_t Size() const { return data_.size(); }
    size_t Position() const { return pos_; }
    void Seek(size_t pos) { pos_ = pos < data_.size() ? pos : data_.size(); }
    // Copies up to n bytes from the position on; returns how many were copied.
    size_t Read(void* out, size_t n);
    // Writes n bytes at the position, growing the buffer when needed.
    void Write(const void* in, size_t n);
    const std::vector<uint8_t>& Data() const { return data_; }
    std::vector<uint8_t>& Data() { return data_; }

  private:
    std::vector<uint8_t> data_;
    size_t pos_ = 0;
};
