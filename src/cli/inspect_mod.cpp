// velorm-cli inspect mod: the header and algorithm table of a module description.
#include "cli/inspect.h"
#include "cli/text_table.h"
#include "model/algorithms/spis_alg.h"
#include "model/configdb/config_db.h"
#include "model/modules/mod_file.h"
#include "platform/codepage.h"

using nlohmann::json;

json InspectModFile(const InspectInput& in) {
    json doc = {{"kind", "mod"}, {"file", in.file}};
    bool dbOpen = ConfigDb().DbOpened() || OpenDbFor(in);
    auto stream = ReadInputFile(in.file, dfkModule);
    if (!stream) {
        doc["unreadable"] = true;
        doc["errors"] = {"cannot read " + in.file};
        return doc;
    }
    ModFile mod;
    bool complete = ReadModFile(*stream, mod);
    const ModHeader& h = mod.Header;
    doc["moduleNumber"] = HexText(h.ModuleNumber);
    doc["moduleName"] = SysToUtf8(h.ModuleName);
    doc["areaBase"] = HexText(h.AreaBase);
    doc["areaLimits"] = {h.AreaLimit[0], h.AreaLimit[1], h.AreaLimit[2]};
    doc["bankStarts"] = json::array();
    for (uint32_t start : h.AreaTable[1])
        doc["bankStarts"].push_back(HexText(start, 5));
    doc["algCount"] = h.AlgCount;
    doc["errors"] = json::array();
    if (!complete)
        doc["errors"].push_back("Нарушена структура файла \"" + in.file + "\"");

    TSpisAlg library;
    if (dbOpen) {
        std::vector<uint16_t> numbers;
        for (const auto& e : mod.Entries)
            numbers.push_back(e.AlgNumber);
        std::vector<bool> flags;
        if (!library.Load(ConfigDb().DbPath(), numbers, flags, true))
            doc["errors"].push_back(SysToUtf8(library.ErrorText()));
    }
    doc["algorithms"] = json::array();
    for (const auto& e : mod.Entries) {
        json a = {{"number", HexText(e.AlgNumber)}, {"internal", HexText(e.AlgInternal)}};
        if (const TAlgoritms* alg = library.FindByNumber(e.AlgNumber)) {
            a["name"] = SysToUtf8(alg->Name());
            a["archiveKind"] = alg->ArchiveKind();
            a["has32Values"] = alg->Has32Values();
        } else {
            a["missing"] = dbOpen;
        }
        doc["algorithms"].push_back(a);
    }
    doc["databaseOpen"] = dbOpen;
    return doc;
}

std::string RenderMod(const json& doc) {
    if (doc.contains("unreadable"))
        return doc["errors"][0].get<std::string>() + "\n";
    std::string out = "Module " + doc["moduleNumber"].get<std::string>() + "  \"" +
                      doc["moduleName"].get<std::string>() + "\"\n";
    out += Field("file", doc["file"]);
    out += Field("area base", doc["areaBase"]);
    const auto& limits = doc["areaLimits"];
    out += Field("area limits", "tasks " + std::to_string(limits[0].get<int>()) + ", values " +
                                    std::to_string(limits[1].get<int>()) + ", descriptors " +
                                    std::to_string(limits[2].get<int>()) + " bytes");
    std::string banks;
    for (const auto& b : doc["bankStarts"]) {
        banks += banks.empty() ? "" : " ";
        banks += b.get<std::string>();
    }
    out += Field("bank starts", banks);
    out += Field("algorithms", std::to_string(doc["algCount"].get<int>()));
    TextTable table({"number", "internal", "name", "archive", "32 values"});
    for (const auto& a : doc["algorithms"]) {
        std::string name = a.contains("name")         ? a["name"].get<std::string>()
                           : a["missing"].get<bool>() ? "(missing from the database)"
                                                      : "(no database)";
        std::string archive = a.contains("archiveKind") && a["archiveKind"].get<int>() != 0
                                  ? std::to_string(a["archiveKind"].get<int>())
                                  : "";
        std::string full = a.contains("has32Values") && a["has32Values"].get<bool>() ? "yes" : "";
        table.AddRow({a["number"], a["internal"], name, archive, full});
    }
    out += '\n';
    out += table.Render(2);
    for (const auto& e : doc["errors"])
        out += "error: " + e.get<std::string>() + "\n";
    return out;
}
