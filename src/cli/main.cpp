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
    {"report",
     "report --module DIR --report NAME --kind hour|day|month --from TIME --to TIME\n"
     "         [--csv FILE] (--settings FILE | --reports-dir DIR)",
     "build the report table of a module whose source is its flash-disk directory (TIME as\n"
     "      \"yyyy-mm-dd hh:nn\"; NAME is the module report file or its base name) and print it\n"
     "      tab-separated, or write it as CSV (\";\", UTF-8 with a byte-order mark); the exit "
     "code\n"
     "      is the reading's result code, its message goes to standard error",
     RunReportCommand},
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
