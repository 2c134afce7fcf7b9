#pragma once
// Resource numbers shared by quellon.rc and the code.

#define kIconId 1
