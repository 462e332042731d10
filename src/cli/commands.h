// The subcommands of velorm-cli: each takes the arguments after its name and returns the
// process exit code (0 done, 1 failed, 2 wrong arguments).
#pragma once

#include <string>
#include <vector>

using CliArgs = std::vector<std::string>;

// demo --out DIR [--settings FILE]: writes the demo world into DIR.
int RunDemoCommand(const CliArgs& args);

// inspect alg|mod|tsk FILE [--db PATH] [--json] and inspect archive FILE ...: shows what one
// controller file holds.
int RunInspectCommand(const CliArgs& args);

// report --module DIR --report NAME --kind hour|day|month --from TIME --to TIME [--csv FILE]
// [--pdf FILE] (--settings FILE | --reports-dir DIR [--modules-dir DIR] [--db PATH]) [--timeout S]
// [--repeats N] [--accept-id]: the module's report table from its flash-disk directory or its
// controller, tab-separated on standard output, as CSV or as the PDF blank; the exit code is the
// absolute value of the reading's result code.
int RunReportCommand(const CliArgs& args);
