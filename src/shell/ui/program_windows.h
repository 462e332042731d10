// The program's eight windows, made once at start-up and kept until it ends.
#pragma once

class TForm1;
class TAwayBd;
class TAredaktorOt;
class TAnastOtch;
class TAprosmOt;
class TAimportOt;
class TAfastOt;
class TAoprog;

// One program-wide reference per window, named as the window's object.
struct ProgramWindows {
    TForm1* Form1 = nullptr;              // main window
    TAwayBd* AwayBd = nullptr;            // configuration-database path dialog
    TAredaktorOt* AredaktorOt = nullptr;  // report form editor
    TAnastOtch* AnastOtch = nullptr;      // report-to-module link window
    TAprosmOt* AprosmOt = nullptr;        // report view window
    TAimportOt* AimportOt = nullptr;      // import of old reports
    TAfastOt* AfastOt = nullptr;          // quick save of reports
    TAoprog* Aoprog = nullptr;            // about box
};

ProgramWindows& AppWindows();

// Creates the windows in the order above (the main window first), running their creation.
void CreateProgramWindows();
// Destroys them in the reverse order and clears the references.
void DestroyProgramWindows();
