// The program's own folder as the current directory, whatever folder it was started from.
#pragma once

namespace frame {

// The result is not examined: on failure the start-up folder stays current.
void EnterProgramFolder();

}  // namespace frame
