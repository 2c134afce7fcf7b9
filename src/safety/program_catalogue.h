#pragma once
// The catalogue of this program: every value its settings may write on this machine now, made
// from the settings' own descriptions, so that nothing is listed by hand twice.

#include "safety/catalogue.h"
#include "safety/snapshot.h"

namespace quellon {

// Each plain value below its key; each fan-out value in the "DriverData" key of every device
// instance the fan-out writes into; the closed-caption flag in every media driver key that carries
// its marker. The instances and the marked keys are found by the very walks the save uses. A walk
// whose listing fails part-way keeps what it found and notes the rest (Catalogue::unlisted).
Catalogue ProgramCatalogue(RegistryApi& api);

// The program's catalogue and the state of its values in one walk, as a .reg file: each device
// key is read by the walk that finds it, and no key is opened twice. The text of the snapshot of
// ProgramCatalogue, with the comments `first` at its head.
std::string ProgramSnapshotFile(RegistryApi& api, RegFileEncoding encoding,
                                std::vector<std::string> first = {});

}  // namespace quellon
