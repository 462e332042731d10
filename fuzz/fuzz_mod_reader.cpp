// Fuzz target: a module description of any bytes, loaded with its algorithms.
#include <cstddef>
#include <cstdint>

#include "fuzz_db.h"
#include "model/modules/modul.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryStream stream(std::vector<uint8_t>(data, data + size));
    TModul mod(&FuzzLibrary());
    mod.LoadFromStream(stream, "fuzz.mod", FuzzDbRoot());
    mod.HasArchiveKind(-1);
    for (ArchiveParamFind f = mod.FindArchiveParam(0); f.Found;
         f = mod.FindArchiveParam(f.NextStart))
        mod.NumberOfInternal(f.AlgNumber, true);
    return 0;
}
