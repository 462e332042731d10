// The one program-wide instance of the shell's state.
#include "shell/program_state.h"

ProgramState& Shell() {
    static ProgramState state;
    return state;
}
