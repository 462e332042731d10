// Finding the archive files of one kind that cover a report period.
#include "model/flash/find_archive_files.h"

#include "model/flash/archive_kinds.h"
#include "model/flash/archive_time.h"
#include "model/flash/check_archive.h"
#include "model/flash/list_archive_dir.h"
#include "platform/codepage.h"

TDateTime ArchiveStart(int kind, TDateTime fileTime) {
    if (kind == 2)
        return IsCalendarDateTime(fileTime) ? StartOfTheMonth(IncMonth(fileTime, -48)) : fileTime;
    return fileTime - ArchiveKindAt(kind).SpanDays;
}

ArchiveFilesFound FindArchiveFiles(const std::string& dir, int kind, TDateTime start,
                                   TDateTime end) {
    ArchiveFilesFound found;
    if (!IsArchiveKind(kind))
        return found;
    TDateTime lastStart = 0, lastFileTime = 0;
    for (const std::string& file : ListArchiveDir(dir, kind, true, false).Files) {
        ArchiveFileInfo info = CheckArchiveFile(file);
        if (!info.Error.empty() || info.Kind != kind)
            continue;
        lastStart = ArchiveStart(kind, info.FileTime);
        lastFileTime = info.FileTime;
        if ((start >= lastStart || end >= lastStart) &&
            (start < lastFileTime || end < lastFileTime))
            found.List.push_back(file);
        else if (found.Result == 2)
            found.Result = 1;
    }
    if (!found.List.empty())
        found.Result = 0;
    const char* format = ArchiveKindAt(kind).PeriodFormat;
    if (found.Result == 1 && *format != '\0') {
        found.List.push_back(Utf8ToSys("Доступны архивы с " + FormatArchiveTime(format, lastStart) +
                                       " по " + FormatArchiveTime(format, lastFileTime)));
    }
    return found;
}
