// Code page conversions with iconv; characters the target lacks become "?".
#include "platform/codepage.h"

#include <iconv.h>

#include <cerrno>

namespace {

// Length of the UTF-8 sequence that starts with byte c (1 for a stray byte).
size_t Utf8SequenceLength(unsigned char c) {
    if (c >= 0xF0 && c <= 0xF4)
        return 4;
    if (c >= 0xE0)
        return c <= 0xEF ? 3 : 1;
    if (c >= 0xC2)
        return 2;
    return 1;
}

std::string Convert(const char* to, const char* from, std::string_view in, bool inIsUtf8) {
    std::string out;
    if (in.empty())
        return out;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(in);
    out.reserve(in.size() * 2);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char buf[1024];
    while (srcLeft > 0) {
        char* dst = buf;
        size_t dstLeft = sizeof buf;
        size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buf, size_t(dst - buf));
        if (r != size_t(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // An unconvertible or broken character: write "?" and step over it.
        out.push_back('?');
        size_t skip = inIsUtf8 ? Utf8SequenceLength(static_cast<unsigned char>(*src)) : 1;
        if (skip > srcLeft)
            skip = srcLeft;
        src += skip;
        srcLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

bool IsAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

}  // namespace

std::string SysToUtf8(std::string_view sys) {
    return IsAscii(sys) ? std::string(sys) : Convert("UTF-8", "CP1251", sys, false);
}

std::string Utf8ToSys(std::string_view utf8) {
    return IsAscii(utf8) ? std::string(utf8) : Convert("CP1251", "UTF-8", utf8, true);
}

std::string OemToUtf8(std::string_view oem) {
    return IsAscii(oem) ? std::string(oem) : Convert("UTF-8", "CP866", oem, false);
}

std::string Utf8ToOem(std::string_view utf8) {
    return IsAscii(utf8) ? std::string(utf8) : Convert("CP866", "UTF-8", utf8, true);
}

bool IsValidUtf8(std::string_view text) {
    iconv_t cd = iconv_open("UTF-8", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    char* src = const_cast<char*>(text.data());
    size_t left = text.size();
    bool ok = true;
    char buf[1024];
    while (left > 0 && ok) {
        char* dst = buf;
        size_t dstLeft = sizeof buf;
        if (iconv(cd, &src, &left, &dst, &dstLeft) == size_t(-1) && errno != E2BIG)
            ok = false;
    }
    iconv_close(cd);
    return ok;
}
