// velorm-cli inspect tsk: the header, identifier, tasks and report of a task-queue file.
#include "cli/inspect.h"
#include "cli/text_table.h"
#include "model/binary/le_fields.h"
#include "model/configdb/config_db.h"
#include "model/queue/task_cl.h"
#include "platform/codepage.h"
#include "platform/files.h"

using nlohmann::json;

namespace {

std::string Quoted(const std::string& text) {
    std::string q(1, '"');
    q += text;
    q += '"';
    return q;
}

json EntryJson(const TParam& task, int e) {
    const TTaskParamEntry& entry = task.Entries()[e];
    json j = {{"internalNumber", HexText(entry.InternalNumber)},
              {"name", SysToUtf8(entry.Name)},
              {"shortName", SysToUtf8(entry.ShortName)},
              {"value1", HexText(entry.Value1)},
              {"value2", HexText(entry.Value2)},
              {"formatCode", HexText(entry.FormatCode)}};
    if (task.IsReference(e)) {
        j["kind"] = "reference";
    } else if (task.IsTextEntry(e)) {
        j["kind"] = "text";
        j["text"] = SysToUtf8(task.GetText(entry.Value1 + 65536u * entry.Value2));
    } else {
        j["kind"] = "value";
    }
    return j;
}

json TaskJson(const TParam& task, int position) {
    json t = {{"position", position},
              {"taskIndex", task.TaskIndex()},
              {"algorithm", HexText(task.AlgNumber())},
              {"algorithmName", task.Algorithm() ? SysToUtf8(task.Algorithm()->Name()) : ""},
              {"name", SysToUtf8(task.Name())},
              {"shortName", SysToUtf8(task.ShortName())},
              {"enabled", task.Enabled()},
              {"group", task.Group()},
              {"entries", json::array()}};
    for (int e = 0; e < task.EntryCount(); ++e)
        t["entries"].push_back(EntryJson(task, e));
    return t;
}

// The file as the queue would be built from it: the template of its module followed by
// its own tasks; a template held by the database is shown as the module's template.
std::unique_ptr<Task_CL> BuildQueue(const std::string& file, TSpisAlg& library,
                                    const TskHeader& header) {
    std::string dbPath = ConfigDb().DbPath();
    bool isTemplate = SameText(ExtractFileName(file), Hex4(header.ModuleNumber) + ".tsk") &&
                      ConfigDb().HasFile(file);
    if (isTemplate || !FileExists(file))
        return std::make_unique<Task_CL>(header.ModuleNumber, dbPath, "", "", "", &library, false);
    return std::make_unique<Task_CL>(0, dbPath, "", "", file, &library, false);
}

}  // namespace

json InspectTskFile(const InspectInput& in) {
    json doc = {{"kind", "tsk"}, {"file", in.file}};
    bool dbOpen = ConfigDb().DbOpened() || OpenDbFor(in);
    // A name inside the database may come without its extension.
    std::string file =
        FileExists(in.file) ? in.file : tKesh_BDZemra_forBDD7::ResolveName(in.file, dfkTaskQueue);
    Task_CL summary(file);
    const TskHeader& h = summary.Header();
    if (FileExists(file) || ConfigDb().HasFile(file)) {
        doc["queueName"] = SysToUtf8(h.QueueName);
        doc["queueShortName"] = SysToUtf8(h.QueueShortName);
        doc["moduleNumber"] = HexText(h.ModuleNumber);
        doc["factoryNumber"] = HexText(h.ModuleWord60);
        doc["networkNumber"] = HexText(h.NetworkWord62, 2);
        doc["idValid"] = IdFlagsValid(h.IdFlags);
        doc["identifier"] = summary.IdText(" ");
        doc["taskCount"] = h.TaskCount;
    }
    doc["databaseOpen"] = dbOpen;
    doc["tasks"] = json::array();
    doc["report"] = json::array();
    if (!dbOpen) {
        if (!FileExists(file)) {
            doc["unreadable"] = true;
            doc["report"].push_back("cannot read " + in.file);
        } else {
            doc["report"].push_back("no configuration database: tasks are shown with --db PATH");
        }
        return doc;
    }
    TSpisAlg library;
    auto queue = BuildQueue(file, library, h);
    doc["moduleName"] = SysToUtf8(queue->Module().ModuleName());
    doc["templateCount"] = queue->TemplateCount();
    bool anyEnabled = false;
    for (const auto& t : queue->Tasks())
        anyEnabled = anyEnabled || t->Enabled();
    for (int i = 0; i < queue->TaskCount(); ++i)
        if (queue->TaskAt(i)->Enabled() || !anyEnabled)
            doc["tasks"].push_back(TaskJson(*queue->TaskAt(i), i));
    for (const auto& line : queue->Report())
        doc["report"].push_back(SysToUtf8(line));
    return doc;
}

std::string RenderTsk(const json& doc) {
    std::string out;
    if (doc.contains("queueName")) {
        out += "Task queue  \"" + doc["queueName"].get<std::string>() + "\"";
        if (!doc["queueShortName"].get<std::string>().empty())
            out += "  (" + doc["queueShortName"].get<std::string>() + ")";
        out += "\n";
        out += Field("file", doc["file"]);
        std::string module = doc["moduleNumber"];
        if (doc.contains("moduleName") && !doc["moduleName"].get<std::string>().empty())
            module += "  \"" + doc["moduleName"].get<std::string>() + "\"";
        out += Field("module", module);
        out += Field("factory number", doc["factoryNumber"]);
        out += Field("network number", doc["networkNumber"]);
        out += Field("identifier", doc["identifier"].get<std::string>() +
                                       (doc["idValid"].get<bool>() ? "" : " (not set)"));
        out += Field("tasks in file", std::to_string(doc["taskCount"].get<int>()));
        if (doc.contains("templateCount"))
            out += Field("template tasks", std::to_string(doc["templateCount"].get<int>()));
    }
    for (const auto& t : doc["tasks"]) {
        out += "\nTask " + std::to_string(t["position"].get<int>()) + "  index " +
               HexText(t["taskIndex"].get<unsigned>()) + "  algorithm " +
               t["algorithm"].get<std::string>() + " \"" + t["algorithmName"].get<std::string>() +
               "\"  group " + std::to_string(t["group"].get<int>()) +
               (t["enabled"].get<bool>() ? "" : "  (disabled)") + "\n";
        std::string name = t["name"];
        if (!t["shortName"].get<std::string>().empty())
            name += "  / " + t["shortName"].get<std::string>();
        out += Field("name", name);
        TextTable table({"int.no", "name", "short", "kind", "value1", "value2", "format", "text"});
        for (const auto& e : t["entries"])
            table.AddRow({e["internalNumber"], e["name"], e["shortName"], e["kind"], e["value1"],
                          e["value2"], e["formatCode"],
                          e.contains("text") ? Quoted(e["text"]) : ""});
        out += table.Render(2);
    }
    if (!doc["report"].empty()) {
        out += "\nReport\n";
        for (const auto& line : doc["report"])
            out += "  " + line.get<std::string>() + "\n";
    }
    return out;
}
