#pragma once
// Every IAMVideoProcAmp::Set the stand-in filters receive, so tests can read them back.

#include <string>

namespace standin {

void RecordSet(const std::wstring& device, long property, long value, long flags);

}  // namespace standin

// Copies the record, one "NAME<TAB>PROPERTY<TAB>VALUE<TAB>FLAGS" line per Set in UTF-8, into
// `buffer` and clears it. Returns the record's size in bytes; a buffer too small for it (or none)
// receives nothing and the record is kept.
extern "C" __declspec(dllexport) int __stdcall StandinTakeProcampLog(char* buffer, int size);
