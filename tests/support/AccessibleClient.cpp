// AccessibleClient.cpp - reading windows through MSAA in tests.
#include "AccessibleClient.h"

namespace testsupport {

const IID kIID_IAccessible =
    { 0x618736E0, 0x3C3D, 0x11CF, { 0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71 } };

IAccessible* AccessibleOf(HWND hwnd)
{
    IAccessible* acc = NULL;
    if (FAILED(::AccessibleObjectFromWindow(hwnd, (DWORD)OBJID_CLIENT, kIID_IAccessible, (void**)&acc)))
        return NULL;
    return acc;
}

VARIANT ChildId(long id)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::string AccText(IAccessible* acc, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), long id)
{
    BSTR b = NULL;
    (acc->*get)(ChildId(id), &b);
    std::string s;
    for (UINT i = 0; b != NULL && i < ::SysStringLen(b); i++)
        s += (char)b[i];
    ::SysFreeString(b);
    return s;
}

} // namespace testsupport
