#pragma once
// What a screen reader learns about a control through MSAA: the system's own accessible object for
// the window, with the name and the role the model gives. The system names a control after the
// nearest label before it in window order, which is the wrong one for a row's slider, value box
// and save box; and some systems know only a generic role for the common controls.

#include <windows.h>

#include <string>

#include "ui/control.h"

namespace quellon::ui::win32 {

// The answer to WM_GETOBJECT(OBJID_CLIENT) for `window`: the standard object, named `name`
// (Windows-1252) and of role `role` (a ROLE_SYSTEM_* value). 0 when the system cannot make one,
// so that the default handling goes on.
LRESULT NamedClientObject(HWND window, WPARAM flags, const std::string& name, long role);

// The role of a control of the kind, as the system gives it to its own controls; 0 for the
// kinds that keep the standard object's.
long RoleOf(ControlKind kind);

}  // namespace quellon::ui::win32
