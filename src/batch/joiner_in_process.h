#pragma once
// The wave joiner run inside the interpreter: a script starts it once per
// note, and on this kind of machine the process start is a third of a
// join. When a script names the joiner installed beside ruvo-batch, the
// call runs its code here instead: the same files, console texts and exit
// status as the program.

#include <string>

#include "batch/interpreter.h"

namespace ruvo::batch {

// A starter that runs `joiner` (a path to the splicer program) in this
// process when it is started in `here` (this process's current folder) with
// arguments other than a lone --help or --version; every other program
// goes to `next`.
ProgramStarter joinerInProcess(std::string joiner, std::string here, ProgramStarter next);

}  // namespace ruvo::batch
