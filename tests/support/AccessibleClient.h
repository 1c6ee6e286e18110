// AccessibleClient.h - what a test needs to read a window as a screen
// reader does (MSAA, oleacc).
//
//   IAccessible* acc = AccessibleOf(hwnd);        // OBJID_CLIENT; NULL on failure
//   EXPECT_EQ("Cutpoint 1", AccText(acc, &IAccessible::get_accName, 1));
//   VARIANT v = ChildId(CHILDID_SELF);
//   acc->Release();
#ifndef TESTSUPPORT_ACCESSIBLECLIENT_H
#define TESTSUPPORT_ACCESSIBLECLIENT_H

#include <windows.h>
#include <oleacc.h>

#include <string>

namespace testsupport {

// IID_IAccessible, defined here: the static uuid library's can resolve to
// an import thunk's bytes.
extern const IID kIID_IAccessible;

// The client object of hwnd (AccessibleObjectFromWindow), or NULL.
IAccessible* AccessibleOf(HWND hwnd);

// A VT_I4 VARIANT naming child id (CHILDID_SELF: the object itself).
VARIANT ChildId(long id);

// A text property of child id (get_accName, get_accValue, ...), as ASCII;
// "" when there is none.
std::string AccText(IAccessible* acc, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), long id);

} // namespace testsupport

#endif // TESTSUPPORT_ACCESSIBLECLIENT_H
