#pragma once
// One soak cycle's calls to the system's device enumerator, made as the program makes them and by
// no code of the program: what these keep per cycle, the enumerator keeps, not the program.

struct IGraphBuilder;

namespace bench {

// The calls in the program's order (WINEDEBUG=+devenum shows them for a cycle): the 250/350 page
// lists the capture devices; the advanced page lists the capture and the encoder devices; the save
// with "Set Capture Filter" lists the capture devices, finds the PVR-150/500 card among them (the
// first, on the demo machine), reaches it again through a class enumerator of its own, binds it,
// puts its filter into `graph` while it takes its picture values, and takes it out again. COM must
// be started on the thread.
void BareDeviceCycle(IGraphBuilder& graph);

}  // namespace bench
