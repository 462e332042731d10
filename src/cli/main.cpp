// velorm-cli: the report engine without windows (demo world, inspectors, reports).
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "platform/format_settings.h"

namespace {

struct Command {
    const char* name;
    const char* synopsis;
    const char* description;
    int (*run)(const CliArgs& args);
};

const Command kCommands[] = {
    {"demo", "demo --out DIR [--settings FILE]",
     "write the demo world into DIR (configuration database as directory and zip, report-forms\n"
     "      and modules directories: a module read from the demo flash disk, a module read from\n"
     "      a controller on UDP 127.0.0.1:47011, and velorm-sim.json, the configuration that\n"
     "      makes velorm-sim answer as that controller) and, with --settings, a settings file\n"
     "      pointing at it",
     RunDemoCommand},
    {"inspect",
     "inspect alg|mod|tsk FILE [--db PATH] [--json]\n  inspect archive FILE [--block ID --from "
     "TIME --to TIME] [--json]",
     "show what an algorithm, module description, task-queue or flash-disk archive file holds;\n"
     "      for an archive, the records of one block for a period (TIME as \"yyyy-mm-dd hh:nn\")",
     RunInspectCommand},
    {"report",
     "report --module DIR --report NAME --kind hour|day|month --from TIME --to TIME\n"
     "         [--csv FILE] [--pdf FILE]\n"
     "         (--settings FILE | --reports-dir DIR [--modules-dir DIR] [--db PATH])\n"
     "         [--timeout S] [--repeats N] [--accept-id]",
     "build the report table of a module as the view window would, from its flash-disk\n"
     "      directory or its controller (the module link file's Common/VS), and print it\n"
     "      tab-separated, or write it as CSV (\";\", UTF-8 with a byte-order mark) or as the\n"
     "      PDF blank the view window saves (title, header, table, signature field).\n"
     "      TIME is \"yyyy-mm-dd hh:nn\"; NAME is the module report file or its base name;\n"
     "      --module is a directory, or a directory name in the modules directory. --settings "
     "names the\n"
     "      program's settings file, whose report-forms and modules directories and database\n"
     "      --reports-dir, --modules-dir and --db replace; the database is opened as the program\n"
     "      has it open. For a controller: --timeout S and --repeats N replace the link's "
     "time-out\n"
     "      (when S lies from it up to 10) and repeats (N from 1 to 5) for this reading only;\n"
     "      --accept-id answers a task-queue identifier mismatch with \"Продолжить\" (stores\n"
     "      the controller's identifier as Common/realId and reads again), without it both\n"
     "      identifiers are shown. The exit code is the reading's result code (13 for the\n"
     "      mismatch); its message and the exchange's own error go to standard error",
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
    // Numbers and dates are written as the desktop program writes them on this system.
    CurrentFormatSettings() = SystemFormatSettings();
    for (const Command& c : kCommands)
        if (name == c.name)
            return c.run(CliArgs(argv + 2, argv + argc));
    std::fprintf(stderr, "velorm-cli: unknown command \"%s\"\n\n", name.c_str());
    PrintUsage(stderr);
    return 2;
}
