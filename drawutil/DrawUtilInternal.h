// DrawUtilInternal.h - internals of the drawing helpers that the test entry
// point reaches (see DrawUtilTestSeam.h). Not exported.
#ifndef TESSARINE_DRAWUTILINTERNAL_H
#define TESSARINE_DRAWUTILINTERNAL_H

#include <afxwin.h>

// String nStringID of the library (through the resource-handle bracket), or
// "More ..." when it cannot be loaded: the overflow mark of the drag image.
CString LoadOverflowText(UINT nStringID);

#endif // TESSARINE_DRAWUTILINTERNAL_H
