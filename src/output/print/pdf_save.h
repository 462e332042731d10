// Saving the blank as a PDF file under the directory and file name of the report options.
#pragma once

#include <string>

#include "output/print/print_state.h"
#include "platform/prompts.h"

struct PdfSaveResult {
    bool Written = false;
    std::string Path;   // the target, once it is known
    std::string Error;  // why nothing was written; "" for an empty name or a refused overwrite
};

// The target is RepO.PdfDir (created with its parents; the working directory when empty) and
// RepO.PdfFileName, with ".pdf" appended unless the name ends in exactly ".pdf". Nothing is
// written for an empty name, a name that is not one file name, or when the user does not
// confirm replacing an existing file. The blank is prepared and written atomically, so a failed
// export leaves nothing under the target. Saving the options and the header afterwards is the
// caller's part.
PdfSaveResult ExportPdf(const PrintState& state, Prompts& prompts);
