// AccessibleBase.h - what the library's IAccessible objects share.
//
//   CAccessibleBase   IUnknown and IDispatch of an IAccessible that stands
//                     for one window's client area; its children are
//                     numbered from 1. Derived classes answer the rest.
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

// IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

// IDispatch: not offered (clients of MSAA call the vtable)
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

// IAccessible: what every object here answers the same way
    STDMETHODIMP get_accParent(IDispatch** ppdispParent) override;
    STDMETHODIMP get_accChild(VARIANT varChild, IDispatch** ppdispChild) override;
    STDMETHODIMP get_accHelp(VARIANT varChild, BSTR* pszHelp) override;
    STDMETHODIMP get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) override;
    STDMETHODIMP get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
    STDMETHODIMP get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    STDMETHODIMP accDoDefaultAction(VARIANT varChild) override;
    STDMETHODIMP put_accName(VARIANT varChild, BSTR szName) override;
    STDMETHODIMP put_accValue(VARIANT varChild, BSTR szValue) override;
    STDMETHODIMP get_accDescription(VARIANT varChild, BSTR* pszDescription) override;

    // The name a system proxy gives an unnamed control: its window text, or
    // else the text of the static label just before it in the dialog's
    // order, without its '&' marks.
    static CString WindowName(HWND hwnd);
    // A BSTR of text (from the ANSI code page), or S_FALSE and NULL when
    // text is empty.
    static HRESULT ToBstr(const CString& text, BSTR* pbstr);

protected:
    virtual ~CAccessibleBase();

    // Number of children (ids 1..n).
    virtual long ChildCount() = 0;
    // S_OK when varChild is CHILDID_SELF or a child id; E_INVALIDARG else;
    // RPC_E_DISCONNECTED once the window is gone.
    HRESULT Check(const VARIANT& varChild, long* pChild);
    // Client rectangle of the window in screen coordinates.
    RECT ScreenClient() const;
    // Writes a client rectangle of the window as screen location.
    void ToScreenLocation(RECT rc, long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight) const;

    HWND m_hwnd;

private:
    LONG m_nRefs;
};

#endif // TESSARINE_ACCESSIBLEBASE_H
