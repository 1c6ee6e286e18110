// AccessibleBase.h - what the library's IAccessible objects share.
//
//   CAccessibleBase   an IAccessible for one window's client area whose
//                     children are simple elements numbered from 1. It
//                     answers every call of the interface (arguments,
//                     VARIANTs, BSTRs, screen coordinates, navigation in id
//                     order) from a few questions a derived class answers
//                     about one child at a time.
//
// The object is reference counted and may outlive its window (a client
// keeps it as long as it likes): the control calls Disconnect when its
// window goes away, after which every call answers RPC_E_DISCONNECTED.
#ifndef TESSARINE_ACCESSIBLEBASE_H
#define TESSARINE_ACCESSIBLEBASE_H

#include <afxwin.h>
#include <oleacc.h>

// IID_IAccessible, defined here: mingw's static uuid library can resolve
// the name to an import thunk's bytes instead of the GUID.
extern const IID kIID_IAccessible;

class CAccessibleBase : public IAccessible
{
public:
    explicit CAccessibleBase(HWND hwnd);

    // The window is gone: answer nothing more about it.
    void Disconnect();
    // Answers WM_GETOBJECT for OBJID_CLIENT with this object; anything else
    // goes to the default procedure.
    LRESULT Answer(WPARAM wParam, LPARAM lParam);
    // The control lets go of its object when its window goes (rpAcc may be
    // NULL): clients that still hold it learn that the window is gone.
    template <class T> static void Retire(T*& rpAcc)
    {
        if (rpAcc == NULL)
            return;
        rpAcc->Disconnect();
        rpAcc->CAccessibleBase::Release();
        rpAcc = NULL;
    }

    // The name a system proxy gives an unnamed control: its window text, or
    // else the text of the static label just before it in the dialog's
    // order, without its '&' marks.
    static CString WindowName(HWND hwnd);

// IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

// IDispatch: not offered (clients of MSAA call the vtable)
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

// IAccessible
    STDMETHODIMP get_accParent(IDispatch** ppdispParent) override;
    STDMETHODIMP get_accChildCount(long* pcountChildren) override;
    STDMETHODIMP get_accChild(VARIANT varChild, IDispatch** ppdispChild) override;
    STDMETHODIMP get_accName(VARIANT varChild, BSTR* pszName) override;
    STDMETHODIMP get_accValue(VARIANT varChild, BSTR* pszValue) override;
    STDMETHODIMP get_accDescription(VARIANT varChild, BSTR* pszDescription) override;
    STDMETHODIMP get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
    STDMETHODIMP get_accState(VARIANT varChild, VARIANT* pvarState) override;
    STDMETHODIMP get_accHelp(VARIANT varChild, BSTR* pszHelp) override;
    STDMETHODIMP get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) override;
    STDMETHODIMP get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
    STDMETHODIMP get_accFocus(VARIANT* pvarChild) override;
    STDMETHODIMP get_accSelection(VARIANT* pvarChildren) override;
    STDMETHODIMP get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    STDMETHODIMP accSelect(long flagsSelect, VARIANT varChild) override;
    STDMETHODIMP accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                             VARIANT varChild) override;
    STDMETHODIMP accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override;
    STDMETHODIMP accHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    STDMETHODIMP accDoDefaultAction(VARIANT varChild) override;
    STDMETHODIMP put_accName(VARIANT varChild, BSTR szName) override;
    STDMETHODIMP put_accValue(VARIANT varChild, BSTR szValue) override;

protected:
    virtual ~CAccessibleBase();

    // The questions, asked only while the window exists, for child ids
    // from 0 (CHILDID_SELF, the control) to ChildCount().
    virtual long ChildCount() = 0;
    virtual CString Name(long child) = 0;
    // Empty: no value.
    virtual CString Value(long child);
    virtual long Role(long child) = 0;
    virtual long State(long child) = 0;
    // Where the child is drawn, in the window's client coordinates.
    virtual CRect Location(long child) = 0;
    // The child drawn at pt (client coordinates, inside the client area).
    virtual long HitTest(CPoint pt) = 0;
    // The child that has the focus while the window has it.
    virtual long Focus();
    // The selected child, or -1 for none.
    virtual long Selection();
    // SELFLAG_TAKEFOCUS of a focusable control; other flags are refused.
    virtual HRESULT Select(long flags, long child);

    HWND m_hwnd;

private:
    // S_OK and *pChild when varChild names the control or a child.
    HRESULT Check(const VARIANT& varChild, long* pChild);
    // Whether the window is still there to be asked about.
    BOOL Alive() const;
    HRESULT Text(const VARIANT& varChild, BSTR* pbstr, CString (CAccessibleBase::*pfnText)(long));
    HRESULT Number(const VARIANT& varChild, VARIANT* pvar, long (CAccessibleBase::*pfnNumber)(long));

    LONG m_nRefs;
};

#endif // TESSARINE_ACCESSIBLEBASE_H
