// Reading the archive kinds of a module report file; writing a module's numbers.
#include "reports/module_link.h"

#include "model/queue/tsk_file.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "reports/hex_values.h"
#include "reports/report_keys.h"

namespace {

constexpr uint64_t kMaxQueueFileBytes = 16ull * 1024 * 1024;

bool SetQueueNumbers(const std::string& path, int networkNumber, int serialNumber,
                     const std::string& name) {
    auto bytes = ReadWholeFile(path, kMaxQueueFileBytes);
    if (!bytes || bytes->size() < TskHeaderSize)
        return false;
    TskHeader header = DecodeTskHeader(bytes->data());
    header.QueueName = Utf8ToSys(name).substr(0, 47);
    header.ModuleWord60 = static_cast<uint16_t>(serialNumber);
    header.NetworkWord62 = static_cast<uint16_t>(networkNumber);
    EncodeTskHeader(header, bytes->data());
    return WriteFileAtomic(path, bytes->data(), bytes->size());
}

bool SetLinkNumbers(const std::string& path, int networkNumber, int serialNumber) {
    IniFile ini(path);
    ini.WriteString(kSecCommon, kKeyZn, HexDigits(static_cast<uint16_t>(serialNumber), 4));
    ini.WriteString(kSecCommon, kKeySetn, HexDigits(static_cast<uint8_t>(networkNumber), 2));
    ini.WriteString(kSecCommon, kKeyWayFlash, "");
    return ini.Save();
}

}  // namespace

bool HasArchiveKinds(const std::string& path) {
    const IniFile ini(path);
    return ini.ReadBool(kSecReport, kKeyTypeH, false) ||
           ini.ReadBool(kSecReport, kKeyTypeD, false) || ini.ReadBool(kSecReport, kKeyTypeM, false);
}

bool SetModuleNumbers(const std::string& path, int networkNumber, int serialNumber,
                      const std::string& name) {
    const std::string ext = ExtractFileExt(path);
    if (ext == ".tsk")
        return SetQueueNumbers(path, networkNumber, serialNumber, name);
    if (ext == ".ini")
        return SetLinkNumbers(path, networkNumber, serialNumber);
    return true;
}
