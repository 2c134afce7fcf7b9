#pragma once
// Text and identifier conversions between the device layer and COM.

#include <windows.h>

#include <string>

#include "devices/guid.h"

namespace quellon {

// A wide text in the ANSI code page, cut to at most `max_units` UTF-16 units first without
// splitting a surrogate pair, so a name of any length converts in bounded space.
std::string WideToAnsi(const wchar_t* text, size_t max_units = std::wstring::npos);
std::wstring AnsiToWide(const std::string& text);

GUID ToGUID(const Guid& g);
Guid FromGUID(const GUID& g);

// The system's message for a failure code, possibly empty.
std::string SystemMessage(HRESULT code);

}  // namespace quellon
