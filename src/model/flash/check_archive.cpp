// Checking an archive file and reading its headers.
#include "model/flash/check_archive.h"

#include "model/flash/archive_file_reader.h"
#include "model/flash/archive_kinds.h"
#include "model/flash/archive_time.h"
#include "platform/codepage.h"
#include "platform/files.h"

ArchiveFileInfo CheckArchiveFile(const std::string& fileName) {
    ArchiveFileInfo info;
    info.Kind = ArchiveKindInName(fileName);
    if (info.Kind < 0)
        return info;
    if (!FileExists(fileName)) {
        info.Error = Utf8ToSys("Файл не существует: " + fileName);
        return info;
    }
    const std::string badStructure =
        Utf8ToSys("Структура файла не соответствует требуемой: " + fileName);
    ArchiveFileReader reader;
    if (!reader.Open(fileName)) {
        info.Error = badStructure;
        return info;
    }
    ArchiveHeaders h;
    bool complete = reader.ReadHeaders(h);
    if (reader.Size() >= kSignatureHeaderSize && !h.SignatureValid()) {
        info.Error = badStructure;
        return info;
    }
    if (!complete) {
        info.Error =
            Utf8ToSys("Невозможно прочитать файл возможно повреждена структура файла: " + fileName +
                      " Чтение за концом файла");
        return info;
    }
    info.Bcd = h.IsBcd();
    info.ModuleWord = h.ModuleWord;
    info.ModuleNumber = h.ModuleNumber;
    info.FileTime = DecodeArchiveTime(h.FileTime, info.Bcd);
    info.BlockCount = h.BlockCount;
    info.SeriesId = h.IsCurrentLayout() ? h.SeriesId : 0;
    return info;
}
