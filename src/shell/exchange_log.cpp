// The exchange log: one text file per day in the profile's "Log" folder, mirrored into the
// log memo of the window that reads at the moment.
#include "shell/exchange_log.h"

#include <filesystem>
#include <fstream>

#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/profile_paths.h"
#include "shell/settings_keys.h"

namespace {

LogSink& LogWindow() {
    static LogSink sink;
    return sink;
}

}  // namespace

void SetLogWindow(LogSink sink) {
    LogWindow() = std::move(sink);
}

std::string ExchangeLogFileName(TDateTime when) {
    return FormatDateTime("dd_mm_yy", when) + ".Txt";
}

bool WriteExchangeLogTo(const std::string& logDir, TDateTime when, const std::string& text) {
    const std::string file = JoinPath(logDir, ExchangeLogFileName(when));
    const bool newFile = !FileExists(file);
    bool written = false;
    std::string message;
    if (CreateDirectoryPath(logDir, message)) {
        // Appending never truncates: a day's log that cannot be appended to is kept as it is.
        std::ofstream out(std::filesystem::path(file), std::ios::binary | std::ios::app);
        if (out) {
            out << FormatDateTime("hh:nn:ss:zzz", when) << " : " << text << '\n';
            written = static_cast<bool>(out.flush());
        }
    }
    if (LogWindow())
        LogWindow()(text, newFile);
    return written;
}

void WriteExchangeLog(const std::string& text) {
    WriteExchangeLogTo(VendorAppPath("Log", kVendorName, true, true), Now(), text);
}
