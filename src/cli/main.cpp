// velorm-cli: the report engine without windows (demo world, inspectors, reports).
#include <cstdio>
#include <string>

#include "cli/commands.h"

namespace {

struct Command {
    const char* name;
    const char* synopsis;
    const char* description;
    int (*run)(const CliArgs& args);
};

const Command kCommands[] = {
    {"demo", "demo --out DIR [--settings FILE]",
     "write the demo world into DIR (configuration database as directory and zip, report-forms\n   "
     "   and modules directories) and, with --settings, a settings file pointing at it",
     RunDemoCommand},
    {"inspect",
     "inspect alg|mod|tsk FILE [--db PATH] [--json]\n  inspect archive FILE [--block ID --from "
     "TIME --to TIME] [--json]",
     "show what an algorithm, module description, task-queue or flash-disk archive file holds;\n"
     "      for an archive, the records of one block for a period (TIME as \"yyyy-mm-dd hh:nn\")",
     RunInspectCommand},
};

void PrintUsage(std::FILE* out) {
    std::fprintf(out, "usage: velorm-cli COMMAND [ARGUMENTS]\n\ncommands:\n");
    for (const Command& c : kCommands)
        std::fprintf(out, "  %s\n      %s\n", c.synopsis, c.description);
    std::fprintf(out, "  help\n      show this text\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    std::string name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        PrintUsage(stdout);
        return 0;
    }
    for (const Command& c : kCommands)
        if (name == c.name)
            return c.run(CliArgs(argv + 2, argv + argc));
    std::fprintf(stderr, "velorm-cli: unknown command \"%s\"\n\n", name.c_str());
    PrintUsage(stderr);
    return 2;
}
