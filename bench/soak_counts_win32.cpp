#include "soak_counts_win32.h"

#include <malloc.h>  // _get_heap_handle
#include <windows.h>

#include <string>
#include <vector>

namespace bench {
namespace {

// Handle values are handed out from the lowest free slot, so the live ones lie together; a run
// of this many free values means the end.
constexpr ULONG_PTR kGapHandles = 4096;

long KernelHandles() {
  long count = 0;
  ULONG_PTR last = 0;
  for (ULONG_PTR h = 4; h < last + 4 * kGapHandles || h < 4 * kGapHandles; h += 4) {
    DWORD flags = 0;
    if (!GetHandleInformation(reinterpret_cast<HANDLE>(h), &flags)) continue;
    ++count;
    last = h;
  }
  return count;
}

// A GDI handle is its table index with a generation above it; Wine's GDI takes the index alone
// for whatever object lives at it now, so every index is asked once.
long GdiObjects() {
  long count = 0;
  for (ULONG_PTR index = 1; index < 0x10000; ++index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
  return count;
}

// USER handles are shared by every process; a handle's low word picks the slot (every second
// value from 0x20), and a zero high word stands for whatever generation lives there.
void UserObjects(long* windows, long* menus) {
  const DWORD self = GetCurrentProcessId();
  ULONG_PTR last = 0;
  for (ULONG_PTR h = 0x20; h < 0x10000 && (h < last + 2 * kGapHandles || h < 2 * kGapHandles);
       h += 2) {
    const auto window = reinterpret_cast<HWND>(h);
    if (IsWindow(window)) {
      last = h;
      DWORD process = 0;
      GetWindowThreadProcessId(window, &process);
      if (process == self) ++*windows;
    } else if (IsMenu(reinterpret_cast<HMENU>(h))) {
      last = h;
      ++*menus;
    }
  }
}

void Heaps(Counts* c) {
  std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
  heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
  // The C runtime (msvcrt) allocates from a heap of its own, not from the process heap.
  const auto runtime = reinterpret_cast<HANDLE>(_get_heap_handle());
  for (HANDLE heap : heaps) {
    if (!HeapLock(heap)) continue;
    long blocks = 0;
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heap, &entry)) {
      if (!(entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)) continue;
      c->heap_bytes += entry.cbData;
      ++blocks;
    }
    HeapUnlock(heap);
    c->heap_blocks += blocks;
    if (heap == runtime) c->runtime_blocks += blocks;
    if (heap == GetProcessHeap()) c->process_blocks += blocks;
  }
}

// NtQueryObject, ntdll's own: the kind and the name of a kernel object.
using QueryObject = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
constexpr int kObjectName = 1, kObjectType = 2;

std::string ObjectText(QueryObject query, HANDLE handle, int what) {
  // Both answers start with a UNICODE_STRING: length in bytes, capacity, characters.
  struct Text {
    USHORT length, capacity;
    const wchar_t* chars;
  };
  alignas(Text) char buffer[4096] = {};
  if (query(handle, what, buffer, sizeof buffer, nullptr) < 0) return "?";
  const Text* text = reinterpret_cast<const Text*>(buffer);
  if (!text->chars) return "";
  char narrow[2048] = {};
  WideCharToMultiByte(CP_ACP, 0, text->chars, text->length / 2, narrow, sizeof narrow - 1, nullptr,
                      nullptr);
  return narrow;
}

}  // namespace

std::vector<std::string> HandleNames() {
  std::vector<std::string> names;
  const auto query = reinterpret_cast<QueryObject>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryObject")));
  if (!query) return names;
  ULONG_PTR last = 0;
  for (ULONG_PTR h = 4; h < last + 4 * kGapHandles || h < 4 * kGapHandles; h += 4) {
    DWORD flags = 0;
    const auto handle = reinterpret_cast<HANDLE>(h);
    if (!GetHandleInformation(handle, &flags)) continue;
    last = h;
    names.push_back(ObjectText(query, handle, kObjectType) + " " +
                    ObjectText(query, handle, kObjectName));
  }
  return names;
}

Counts CountResources() {
  Counts c;
  c.handles = KernelHandles();
  c.gdi = GdiObjects();
  UserObjects(&c.windows, &c.menus);
  Heaps(&c);
  return c;
}

}  // namespace bench
