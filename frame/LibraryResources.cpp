// LibraryResources.cpp - the resource-handle bracket for string loads.
#include <afxwin.h>

#include "LibraryInstance.h"
#include "LibraryResources.h"

namespace {

// Points the framework's resource handle at the library for its lifetime and
// puts back the handle it found when it goes, also when a load throws.
class CLibraryResourceScope
{
public:
    CLibraryResourceScope()
        : m_hSaved(AfxGetResourceHandle())
    {
        AfxSetResourceHandle(GetLibraryInstance());
    }
    ~CLibraryResourceScope()
    {
        AfxSetResourceHandle(m_hSaved);
    }

private:
    CLibraryResourceScope(const CLibraryResourceScope&);
    CLibraryResourceScope& operator=(const CLibraryResourceScope&);

    HINSTANCE m_hSaved;
};

} // namespace

BOOL LoadLibraryString(CString& rString, UINT nID)
{
    BOOL bLoaded;
    {
        CLibraryResourceScope scope;
        bLoaded = rString.LoadString(nID);
    }
    if (!bLoaded)
        rString.Empty();
    return bLoaded;
}
