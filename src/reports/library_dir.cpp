// Finding the report library beside the program or in its installed data directory.
#include "reports/library_dir.h"

#include "platform/files.h"
#include "platform/program_info.h"

std::string ReportLibraryDir() {
    const std::string programDir = ProgramDir();
    const std::string beside = JoinPath(programDir, "replib");
    if (DirectoryExists(beside))
        return beside;
    const std::string prefix = ExtractFilePath(ExcludeTrailingPathDelimiter(programDir));
    return JoinPath(prefix, "share/velorm/replib");
}
