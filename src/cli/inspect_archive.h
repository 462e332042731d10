// velorm-cli inspect archive: headers, blocks and records of a flash-disk archive file.
#pragma once

#include "cli/commands.h"

// inspect archive FILE [--block ID --from TIME --to TIME] [--json]; the arguments after
// "archive". TIME is "dd.mm.yyyy[ hh:nn[:ss]]" or "yyyy-mm-dd[ hh:nn[:ss]]"; ID is hexadecimal.
int RunInspectArchiveCommand(const CliArgs& args);
