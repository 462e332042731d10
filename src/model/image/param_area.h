// How the values of one task are laid out in the parameter area of the image, and which
// references a queue holds: shared by the encoder and the decoder.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "model/algorithms/algoritms.h"

class Task_CL;
struct QueueRef;

enum class ImageValueKind { Reference, Text, Plain };

ImageValueKind ImageKindOf(const TAlgParamDesc& p);
// Bytes a parameter takes: 2 for a reference, ItemSize * ItemCount for a text, else ItemSize.
uint32_t ImageValueSize(const TAlgParamDesc& p);
uint32_t TaskValueBytes(const TAlgoritms& algorithm);

// Every reference of the queue with a value below F000h, by value, in queue order.
std::map<uint16_t, std::vector<QueueRef>> CollectReferences(const Task_CL& queue);

// One page of 256 internal numbers of the flexible table: its first number and its largest
// referenced number (Last < Start when the page holds none).
struct FlexPage {
    int32_t Start = 0;
    int32_t Last = -1;
    uint32_t Descriptors() const { return Last >= Start ? Last - Start + 1 : 0; }
};
// The pages from the page of areaBase up to the page of the largest referenced number.
std::vector<FlexPage> FlexPages(uint16_t areaBase,
                                const std::map<uint16_t, std::vector<QueueRef>>& refs);
