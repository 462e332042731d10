// The running program's version, executable path and executable date.
#include "platform/program_info.h"

#include <sys/stat.h>

#include <filesystem>

#include "platform/date_time.h"
#include "platform/files.h"
#include "program_version.h"

std::string ProgramVersion() {
    return VELORM_VERSION;
}

std::string ProgramFile() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

std::string ProgramDir() {
    return ExtractFilePath(ProgramFile());
}

double ProgramFileDate() {
    const std::string file = ProgramFile();
    struct stat st {};
    if (file.empty() || ::stat(file.c_str(), &st) != 0)
        return 0;
    return LocalDateTimeFromUnix(st.st_mtim.tv_sec, int(st.st_mtim.tv_nsec / 1000000));
}
