// The format code of an algorithm parameter.
#include "model/algorithms/alg_param_desc.h"

uint16_t ParamFormatCode(const TAlgParamDesc& p) {
    if (!p.IsReference)
        return 0x1000;
    if (p.FormatBitsA != 0 || p.FormatBitsB != 0)
        return static_cast<uint16_t>(p.FormatBitsA * 4096 + p.FormatBitsB * 256 + 0x22);
    return 0x1222;
}
