// velorm-cli inspect archive: headers, blocks and records of a flash-disk archive file.
#include "cli/inspect_archive.h"

#include "cli/text_table.h"

#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>

#include "model/flash/archive_kinds.h"
#include "model/flash/archive_time.h"
#include "model/flash/archive_value.h"
#include "model/flash/check_archive.h"
#include "model/flash/list_archive_blocks.h"
#include "model/flash/list_archive_dir.h"
#include "model/flash/read_archive.h"
#include "platform/codepage.h"

namespace {
constexpr const char* kUsage =
    "usage: velorm-cli inspect archive FILE [--block ID [--from TIME] [--to TIME]] [--json]\n"
    "  TIME: dd.mm.yyyy[ hh:nn[:ss]] or yyyy-mm-dd[ hh:nn[:ss]]; ID: hexadecimal\n";
constexpr const char* kTimeFormat = "dd.mm.yyyy hh:nn:ss";

struct Options {
    std::string file;
    std::optional<uint16_t> block;
    TDateTime from = 0, to = 0;
    bool json = false;
};

// "dd.mm.yyyy", "yyyy-mm-dd", each optionally followed by " hh:nn" or " hh:nn:ss".
std::optional<TDateTime> ParseTime(const std::string& text) {
    int a = 0, b = 0, c = 0, h = 0, n = 0, s = 0, used = 0;
    int year, month, day;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%n", &a, &b, &c, &used) == 3) {
        year = a, month = b, day = c;
    } else if (std::sscanf(text.c_str(), "%2d.%2d.%4d%n", &a, &b, &c, &used) == 3) {
        day = a, month = b, year = c;
    } else {
        return std::nullopt;
    }
    std::string rest = text.substr(static_cast<size_t>(used));
    int fields = rest.empty() ? 0 : std::sscanf(rest.c_str(), " %2d:%2d:%2d", &h, &n, &s);
    if (!rest.empty() && fields < 2)
        return std::nullopt;
    TDateTime date = 0, time = 0;
    if (!TryEncodeDate(year, month, day, date) || !TryEncodeTime(h, n, s, 0, time))
        return std::nullopt;
    return date + time;
}

std::optional<Options> ParseArgs(const CliArgs& args) {
    Options o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool hasValue = i + 1 < args.size();
        if (a == "--json") {
            o.json = true;
        } else if (a == "--block" && hasValue) {
            std::string id = args[++i];
            if (id.rfind("0x", 0) == 0 || id.rfind("0X", 0) == 0)
                id.erase(0, 2);
            if (id.empty() || id.size() > 4 ||
                id.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
                return std::nullopt;
            o.block = static_cast<uint16_t>(std::stoul(id, nullptr, 16));
        } else if ((a == "--from" || a == "--to") && hasValue) {
            std::optional<TDateTime> t = ParseTime(args[++i]);
            if (!t)
                return std::nullopt;
            (a == "--from" ? o.from : o.to) = *t;
        } else if (o.file.empty() && !a.empty() && a[0] != '-') {
            o.file = a;
        } else {
            return std::nullopt;
        }
    }
    if (o.file.empty() || (!o.block && (o.from != 0 || o.to != 0)))
        return std::nullopt;
    return o;
}

std::string CrcState(const std::string& file, const ArchiveFileInfo& info) {
    if (!info.Error.empty())
        return "";
    return ArchiveFileIntact(file) ? "intact" : "damaged";
}

nlohmann::json BlocksJson(const std::vector<std::string>& rows) {
    static const char* keys[kBlockRowTexts] = {"id",        "depth", "name",  "shortName",
                                               "blockTime", "step",  "extra", "recordCount"};
    nlohmann::json blocks = nlohmann::json::array();
    for (size_t r = 0; r + kBlockRowTexts <= rows.size(); r += kBlockRowTexts) {
        nlohmann::json b;
        for (size_t i = 0; i < kBlockRowTexts; ++i)
            b[keys[i]] = SysToUtf8(rows[r + i]);
        blocks.push_back(b);
    }
    return blocks;
}

std::string ValueText(double v) {
    if (v == NoValue)
        return "NoValue";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.7g", v);
    return buf;
}

int Print(const Options& o, const ArchiveFileInfo& info, const std::vector<std::string>& rows,
          const std::optional<ArchiveReading>& reading, const std::string& readError) {
    const std::string error = SysToUtf8(info.Error);
    if (o.json) {
        nlohmann::json j;
        j["file"] = o.file;
        j["kind"] = info.Kind;
        j["extension"] = IsArchiveKind(info.Kind) ? ArchiveKindAt(info.Kind).Extension : "";
        j["error"] = error;
        j["moduleWord"] = info.ModuleWord;
        j["moduleNumber"] = info.ModuleNumber;
        j["seriesId"] = info.SeriesId;
        j["fileTime"] = FormatArchiveTime(kTimeFormat, info.FileTime);
        j["blockCount"] = info.BlockCount;
        j["bcd"] = info.Bcd;
        j["crc"] = CrcState(o.file, info);
        j["blocks"] = BlocksJson(rows);
        if (reading) {
            nlohmann::json records = nlohmann::json::array();
            for (size_t i = 0; i < reading->Count(); ++i) {
                records.push_back({{"time", FormatArchiveTime(kTimeFormat, reading->Times[i])},
                                   {"value", reading->Values[i]},
                                   {"noValue", reading->Values[i] == NoValue},
                                   {"status", reading->Statuses[i]}});
            }
            j["block"] = *o.block;
            j["stepMinutes"] = reading->StepMinutes;
            j["records"] = records;
        }
        if (!readError.empty())
            j["readError"] = readError;
        std::cout << j.dump(2) << "\n";
    } else {
        std::printf("file:          %s\n", o.file.c_str());
        if (!IsArchiveKind(info.Kind)) {
            std::printf("error:         not an archive file name\n");
        } else if (!error.empty()) {
            std::printf("error:         %s\n", error.c_str());
        } else {
            std::printf("kind:          %d (%s)\n", info.Kind, ArchiveKindAt(info.Kind).Extension);
            std::printf("module word:   %04X\nmodule number: %04X\nseries:        %08X\n",
                        info.ModuleWord, info.ModuleNumber, info.SeriesId);
            std::printf(
                "file time:     %s\nblock count:   %d\ntimes:         %s\ncrc:          "
                " %s\n",
                FormatArchiveTime(kTimeFormat, info.FileTime).c_str(), info.BlockCount,
                info.Bcd ? "BCD" : "double", CrcState(o.file, info).c_str());
            TextTable blocks(
                {"id", "depth", "name", "short", "block time", "step", "extra", "records"});
            for (size_t r = 0; r + kBlockRowTexts <= rows.size(); r += kBlockRowTexts)
                blocks.AddRow({SysToUtf8(rows[r + brId]), rows[r + brDepth],
                               SysToUtf8(rows[r + brName]), SysToUtf8(rows[r + brShortName]),
                               rows[r + brTime], rows[r + brStep], rows[r + brExtra],
                               rows[r + brRecordCount]});
            std::printf("\n%s", blocks.Render(0).c_str());
        }
        if (reading) {
            std::printf("\nblock %04X: %zu records, step %d min\n", *o.block, reading->Count(),
                        reading->StepMinutes);
            for (size_t i = 0; i < reading->Count(); ++i)
                std::printf("%s  %14s  %04X\n",
                            FormatArchiveTime(kTimeFormat, reading->Times[i]).c_str(),
                            ValueText(reading->Values[i]).c_str(), reading->Statuses[i]);
        }
        if (!readError.empty())
            std::printf("read error:    %s\n", readError.c_str());
    }
    return info.Valid() && readError.empty() ? 0 : 1;
}
}  // namespace

int RunInspectArchiveCommand(const CliArgs& args) {
    std::optional<Options> o = ParseArgs(args);
    if (!o) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    ArchiveFileInfo info = CheckArchiveFile(o->file);
    std::vector<std::string> rows;
    std::optional<ArchiveReading> reading;
    std::string readError;
    if (info.Valid()) {
        ListArchiveBlocks(o->file, rows, false);
        if (o->block) {
            try {
                reading = ReadArchiveFile(o->file, *o->block, info.Kind, o->from, o->to);
            } catch (const ArchiveReadError& e) {
                readError = e.what();
            }
        }
    }
    return Print(*o, info, rows, reading, readError);
}
