// Fuzz target: a controller task area of any bytes handed group by group to the decoder of
// the demo template queue, as the reading from a controller does.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_db.h"

namespace {

// Hands out the input as 4-byte groups (the last one padded with zero bytes).
class Groups {
  public:
    Groups(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Next(ImageGroup& g) {
        if (at_ >= size_)
            return false;
        for (size_t i = 0; i < 4; ++i)
            g[i] = at_ + i < size_ ? data_[at_ + i] : 0;
        at_ += 4;
        return true;
    }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto queue = FuzzTemplateQueue();
    Groups groups(data, size);
    ImageGroup g;
    for (int i = 0; i < 5 && groups.Next(g); ++i)
        queue->SetGroupStart(i, static_cast<uint16_t>(g[0] | (g[1] << 8)));
    while (groups.Next(g) && queue->DecodeTaskGroup(g) == 1) {
    }
    int flex = -1;
    while (flex < 0 && groups.Next(g))
        flex = queue->DecodeParamGroup(g);
    if (flex > 0)
        while (groups.Next(g) && !queue->DecodeFlexGroup(g)) {
        }
    std::string log;
    for (int piece = 0; groups.Next(g);) {
        if (!queue->SetShortNamePiece(piece++, g[0] % 10, std::span<const uint8_t>(g).subspan(1),
                                      log))
            break;
    }
    queue->BuildImage(true, g[0] & 1);
    queue->ComputeId();
    return 0;
}
