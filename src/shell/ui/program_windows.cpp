// The program's eight windows, made once at start-up and kept until it ends.
#include "shell/ui/program_windows.h"

#include "batch/ui/import_window.h"
#include "batch/ui/quick_save_window.h"
#include "output/ui/report_view_window.h"
#include "screens/link_window.h"
#include "screens/report_editor_window.h"
#include "shell/ui/about_box.h"
#include "shell/ui/main_window.h"
#include "shell/ui/path_dialog.h"

namespace {

template <typename W>
W* Make(const char* name) {
    W* window = new W();
    window->setObjectName(name);
    return window;
}

}  // namespace

ProgramWindows& AppWindows() {
    static ProgramWindows windows;
    return windows;
}

void CreateProgramWindows() {
    ProgramWindows& w = AppWindows();
    w.Form1 = Make<TForm1>("Form1");
    w.AwayBd = Make<TAwayBd>("AwayBd");
    w.AredaktorOt = Make<TAredaktorOt>("AredaktorOt");
    w.AnastOtch = Make<TAnastOtch>("AnastOtch");
    w.AprosmOt = Make<TAprosmOt>("AprosmOt");
    w.AimportOt = Make<TAimportOt>("AimportOt");
    w.AfastOt = Make<TAfastOt>("AfastOt");
    w.Aoprog = Make<TAoprog>("Aoprog");
}

void DestroyProgramWindows() {
    ProgramWindows& w = AppWindows();
    delete w.Aoprog;
    delete w.AfastOt;
    delete w.AimportOt;
    delete w.AprosmOt;
    delete w.AnastOtch;
    delete w.AredaktorOt;
    delete w.AwayBd;
    delete w.Form1;
    w = ProgramWindows{};
}
