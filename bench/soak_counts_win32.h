#pragma once
// What a process holds, counted from inside it the way that works under Wine, whose
// GetGuiResources and GetProcessHandleCount answer 0: kernel handles and windows by probing handle
// values, GDI objects by probing the GDI handle table's indexes, heap bytes by walking every heap.

#include <cstddef>
#include <string>
#include <vector>

namespace bench {

struct Counts {
  long handles = 0;  // kernel objects: files, events, registry keys, threads ...
  long gdi = 0;      // pens, brushes, fonts, bitmaps, device contexts, regions ...
  long windows = 0;  // this process's windows
  long menus = 0;
  std::size_t heap_bytes = 0;  // in use, over every heap of the process
  long heap_blocks = 0;
  // Of those blocks, the C runtime's heap's (msvcrt's own: malloc and operator new of the program
  // and of the stand-in filter) and the process heap's (HeapAlloc of the system's DLLs, such as an
  // edit control's lines, and COM's task memory). The rest are in heaps of the system's own, such
  // as that of Wine's DLLs' C runtime (ucrtbase).
  long runtime_blocks = 0;
  long process_blocks = 0;
};

Counts CountResources();

// "KIND NAME" of every kernel handle the process holds, e.g. "Key \REGISTRY\MACHINE\...".
std::vector<std::string> HandleNames();

}  // namespace bench
