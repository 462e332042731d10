// Fuzz target: an algorithm descriptor file of any bytes.
#include <cstddef>
#include <cstdint>

#include "model/algorithms/algoritms.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (bool readParams : {true, false}) {
        MemoryStream stream(std::vector<uint8_t>(data, data + size));
        TAlgoritms alg("", readParams);
        alg.LoadFromStream(&stream, "fuzz.alg", readParams);
        for (int i = 0; i < static_cast<int>(alg.Params().size()); ++i)
            alg.ParamFormatCode(i);
    }
    return 0;
}
