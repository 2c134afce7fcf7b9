#pragma once
// The classes the stand-in serves: the kernel-streaming proxy class that device monikers of WDM
// cards name, and its own property page.

#include <windows.h>

namespace standin {

// {17CCA71B-ECD7-11D0-B908-00A0C9223196}
inline constexpr CLSID kProxyClass = {
    0x17cca71b, 0xecd7, 0x11d0, {0xb9, 0x08, 0x00, 0xa0, 0xc9, 0x22, 0x31, 0x96}};
// {6D3A5C14-2F0B-4E8A-9C71-5B2E8D40A613}
inline constexpr CLSID kPageClass = {
    0x6d3a5c14, 0x2f0b, 0x4e8a, {0x9c, 0x71, 0x5b, 0x2e, 0x8d, 0x40, 0xa6, 0x13}};

// The device's property bag may switch interfaces off, for the program's failure paths.
inline constexpr const wchar_t* kNoProcAmpValue = L"StandinNoProcAmp";
inline constexpr const wchar_t* kNoPagesValue = L"StandinNoPages";

}  // namespace standin
