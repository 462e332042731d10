// velorm-cli inspect alg: the header, parameters and description of an algorithm descriptor.
#include "cli/inspect.h"
#include "cli/text_table.h"
#include "model/algorithms/algoritms.h"
#include "model/configdb/config_db.h"
#include "platform/codepage.h"

using nlohmann::json;

namespace {

const char* ArchiveKindName(unsigned kind) {
    static const char* const names[] = {"none",    "hourly",   "daily",
                                        "monthly", "interval", "half-hourly"};
    return kind <= 5 ? names[kind] : "none";
}

json ParamJson(const TAlgoritms& alg, int pos) {
    const TAlgParamDesc& p = alg.Param(pos);
    return {{"position", pos},
            {"internalNumber", HexText(p.InternalNumber)},
            {"name", SysToUtf8(p.Name)},
            {"shortName", SysToUtf8(p.ShortName)},
            {"valueType", HexText(p.ValueType, 2)},
            {"itemSize", p.ItemSize},
            {"itemCount", p.ItemCount},
            {"aFlag", p.AFlag},
            {"archiveKind", p.ArchiveKind},
            {"isReference", p.IsReference},
            {"formatBitsA", p.FormatBitsA},
            {"formatBitsB", p.FormatBitsB},
            {"isText", p.IsText},
            {"cKind", p.CKind},
            {"formatCode", HexText(alg.ParamFormatCode(pos))}};
}

}  // namespace

json InspectAlgFile(const InspectInput& in) {
    json doc = {{"kind", "alg"}, {"file", in.file}};
    auto stream = ReadInputFile(in.file, dfkAlgorithm);
    if (!stream) {
        doc["unreadable"] = true;
        doc["errors"] = {"cannot read " + in.file};
        return doc;
    }
    TAlgoritms alg("", true);
    alg.LoadFromStream(stream.get(), in.file, true);
    doc["number"] = HexText(alg.Number());
    doc["name"] = SysToUtf8(alg.Name());
    doc["shortName"] = SysToUtf8(alg.ShortName());
    doc["paramCount"] = alg.ParamCount();
    doc["hasDescription"] = alg.HasDescription();
    doc["reserved1"] = alg.Reserved1();
    doc["reserved2"] = alg.Reserved2();
    doc["archiveKind"] = alg.ArchiveKind();
    doc["has32Values"] = alg.Has32Values();
    doc["description"] = SysToUtf8(alg.Description());
    doc["params"] = json::array();
    for (int i = 0; i < static_cast<int>(alg.Params().size()); ++i)
        doc["params"].push_back(ParamJson(alg, i));
    doc["errors"] = json::array();
    if (!alg.ErrorText().empty())
        doc["errors"].push_back(SysToUtf8(alg.ErrorText()));
    return doc;
}

std::string RenderAlg(const json& doc) {
    if (doc.contains("unreadable"))
        return doc["errors"][0].get<std::string>() + "\n";
    std::string out = "Algorithm " + doc["number"].get<std::string>() + "  \"" +
                      doc["name"].get<std::string>() + "\"  (" +
                      doc["shortName"].get<std::string>() + ")\n";
    out += Field("file", doc["file"]);
    out += Field("parameters", std::to_string(doc["paramCount"].get<int>()));
    unsigned kind = doc["archiveKind"];
    out += Field("archive kind", std::to_string(kind) + " (" + ArchiveKindName(kind) + ")");
    out += Field("32 values", doc["has32Values"].get<bool>() ? "yes" : "no");
    if (!doc["description"].get<std::string>().empty())
        out += Field("description", doc["description"]);
    TextTable table({"#", "int.no", "name", "short", "type", "size", "count", "kind", "archive",
                     "format", "flags"});
    for (const auto& p : doc["params"]) {
        std::string flags;
        if (p["aFlag"].get<bool>())
            flags += "access ";
        if (p["cKind"].get<int>() != 0)
            flags += 'C';
        flags += std::to_string(p["cKind"].get<int>());
        std::string kindText = p["isReference"].get<bool>() ? "ref"
                               : p["isText"].get<bool>()    ? "text"
                                                            : "value";
        unsigned archive = p["archiveKind"];
        table.AddRow({std::to_string(p["position"].get<int>()), p["internalNumber"], p["name"],
                      p["shortName"], p["valueType"], std::to_string(p["itemSize"].get<int>()),
                      std::to_string(p["itemCount"].get<int>()), kindText,
                      archive ? ArchiveKindName(archive) : "", p["formatCode"], flags});
    }
    out += '\n';
    out += table.Render(2);
    for (const auto& e : doc["errors"])
        out += "error: " + e.get<std::string>() + "\n";
    return out;
}
