#pragma once
// A temporary folder for the whole run of a fuzz target, where inputs become files for the
// readers that take a path.
#include "FuzzTarget.h"

#include <QString>

namespace fuzz {

// The folder; created on first use and removed when the process ends.
QString ScratchDir();
// Writes bytes to name inside the folder (replacing what is there) and returns its path;
// '/'-separated sub-folders are created.
QString ScratchFile(const QString& name, Bytes bytes);
// Removes everything inside the folder, so that each input starts from the same state.
void ClearScratch();

} // namespace fuzz
