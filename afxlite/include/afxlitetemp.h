// afxlitetemp.h - the layer's own addition to the temporary handle maps,
// for message loops outside the framework (a control's drag loop).
//
// Functions: AfxLiteTempMark, AfxLiteDeleteTempsSince.
//
// The framework deletes a thread's temporary wrappers (CWnd::FromHandle and
// the like) at idle time. A nested loop that runs for long deletes those its
// own dispatching made, and only those: a caller further up may hold a
// temporary it made before the loop began (CWnd* p = GetFocus(); a modal
// dialog in which the user drags a bar; p->SetFocus()). The genuine
// framework has no such mark; code that must build on both includes this
// header only when AFXLITE_API is defined.
#ifndef AFXLITE_AFXLITETEMP_H
#define AFXLITE_AFXLITETEMP_H

#include <afxwin.h>

// A mark below the serial number of every temporary the calling thread makes
// from now on.
AFXLITE_API unsigned long AFXAPI AfxLiteTempMark();
// Deletes the calling thread's temporaries made since nMark, unless the
// temporary maps are locked (AfxLockTempMaps).
AFXLITE_API void AFXAPI AfxLiteDeleteTempsSince(unsigned long nMark);

#endif // AFXLITE_AFXLITETEMP_H
