// velorm-cli inspect alg|mod|tsk|archive FILE ...: a readable dump of one controller file.
#include <cstdio>

#include "cli/commands.h"
#include "cli/inspect.h"
#include "cli/inspect_archive.h"
#include "model/configdb/config_db.h"
#include "platform/files.h"

bool OpenDbFor(const InspectInput& in) {
    auto& db = ConfigDb();
    if (!in.dbPath.empty())
        return db.OpenPath(in.dbPath);
    return db.OpenFromFile(in.file);
}

std::unique_ptr<MemoryStream> ReadInputFile(const std::string& file, int dbKind) {
    if (FileExists(file))
        return tKesh_BDZemra_forBDD7::OpenFileStream(file);
    if (!ConfigDb().DbOpened())
        return nullptr;
    MemoryStream* held = ConfigDb().GetStream(tKesh_BDZemra_forBDD7::ResolveName(file, dbKind));
    return held ? std::make_unique<MemoryStream>(held->Data()) : nullptr;
}

std::string HexText(unsigned value, int digits) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*X", digits, value);
    return buf;
}

int RunInspectCommand(const CliArgs& args) {
    if (!args.empty() && args[0] == "archive")
        return RunInspectArchiveCommand(CliArgs(args.begin() + 1, args.end()));
    InspectInput in;
    std::string kind;
    bool json = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json")
            json = true;
        else if (args[i] == "--db" && i + 1 < args.size())
            in.dbPath = args[++i];
        else if (kind.empty())
            kind = args[i];
        else if (in.file.empty())
            in.file = args[i];
        else
            kind.clear();
    }
    using Inspector = nlohmann::json (*)(const InspectInput&);
    using Renderer = std::string (*)(const nlohmann::json&);
    struct Kind {
        const char* name;
        Inspector inspect;
        Renderer render;
    } const kinds[] = {{"alg", InspectAlgFile, RenderAlg},
                       {"mod", InspectModFile, RenderMod},
                       {"tsk", InspectTskFile, RenderTsk}};
    for (const Kind& k : kinds) {
        if (kind != k.name || in.file.empty())
            continue;
        if (!in.dbPath.empty() && !OpenDbFor(in)) {
            std::fprintf(stderr, "velorm-cli inspect: cannot open the database %s\n",
                         in.dbPath.c_str());
            return 1;
        }
        nlohmann::json doc = k.inspect(in);
        std::string out = json ? doc.dump(2) + "\n" : k.render(doc);
        std::fputs(out.c_str(), stdout);
        return doc.contains("unreadable") ? 1 : 0;
    }
    std::fprintf(stderr, "usage: velorm-cli inspect alg|mod|tsk FILE [--db PATH] [--json]\n");
    return 2;
}
