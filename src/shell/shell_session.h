// The non-visual steps of the main window's activation, configuration and exit.
#pragma once

// Activation: makes the algorithm library when it does not exist yet, forgets the report-forms and
// modules directories, makes and empties the scratch directory "Last" (Shell().LastDir) and runs
// the settings check with empty defaults. Returns the check's result.
bool RefreshSettings();

// Loads the configuration database contents when dbOpen (whether it was open when the
// configuration step began) and a reload is pending, then clears the pending flag.
// Files that could not be loaded are named in a warning through the prompts.
// Returns whether a load was done.
bool LoadPendingDatabase(bool dbOpen);

// Exit: destroys the algorithm library and the configuration database object and empties the
// scratch directory.
void ReleaseProgramObjects();
