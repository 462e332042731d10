// Zip archives for tests, written by python3's zipfile or the zip tool.
#include "support/zip_maker.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

std::string ShellQuote(const std::string& s) {
    std::string out = "'";
    for (char c : s)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// The unflagged writer overrides how zipfile encodes a name (it would use UTF-8 with the flag).
const char* kScriptHead = R"(import sys, zipfile
class UnflaggedInfo(zipfile.ZipInfo):
    encoding = 'cp866'
    def _encodeFilenameFlags(self):
        return self.filename.encode(self.encoding), self.flag_bits & ~0x800
def add(name, data, encoding):
    if encoding:
        info = UnflaggedInfo(name, date_time=(2024, 1, 1, 0, 0, 0))
        info.encoding = encoding
    else:
        info = zipfile.ZipInfo(name, date_time=(2024, 1, 1, 0, 0, 0))
    info.compress_type = zipfile.ZIP_DEFLATED
    z.writestr(info, data)
z = zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED)
)";

const char* PythonEncoding(ZipNameCoding coding) {
    switch (coding) {
        case ZipNameCoding::Cp866:
            return "'cp866'";
        case ZipNameCoding::Utf8Unflagged:
            return "'utf-8'";
        case ZipNameCoding::Standard:
            break;
    }
    return "None";
}

}  // namespace

bool MakeZipWithPython(const std::string& zipPath, const std::vector<ZipItem>& items) {
    std::ostringstream script;
    script << kScriptHead;
    for (const ZipItem& item : items) {
        script << "add(bytes.fromhex('" << Hex(item.name) << "').decode('utf-8'), bytes.fromhex('"
               << Hex(item.contents) << "') * " << item.repeat << ", "
               << PythonEncoding(item.coding) << ")\n";
    }
    script << "z.close()\n";
    std::string scriptPath = zipPath + ".py";
    WriteBytes(scriptPath, script.str());
    int rc = std::system(("python3 " + ShellQuote(scriptPath) + " " + ShellQuote(zipPath)).c_str());
    std::remove(scriptPath.c_str());
    return rc == 0;
}

bool MakeZipWithTool(const std::string& dir, const std::string& zipPath) {
    std::string cmd = "cd " + ShellQuote(dir) + " && zip -q -r " + ShellQuote(zipPath) + " .";
    return std::system(cmd.c_str()) == 0;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}
