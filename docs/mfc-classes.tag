<?xml version="1.0" encoding="UTF-8" standalone="yes" ?>
<!-- The framework classes the headers name, and their pages in the framework's
     own reference (relative to the TAGFILES address in docs/Doxyfile). A class
     of afxlite is documented there and never again here. make-docs drops the
     ".html" that doxygen appends to these addresses. -->
<tagfile>
  <compound kind="class">
    <name>CObject</name>
    <filename>mfc/reference/cobject-class</filename>
  </compound>
  <compound kind="class">
    <name>CWnd</name>
    <filename>mfc/reference/cwnd-class</filename>
  </compound>
  <compound kind="class">
    <name>CButton</name>
    <filename>mfc/reference/cbutton-class</filename>
  </compound>
  <compound kind="class">
    <name>CEdit</name>
    <filename>mfc/reference/cedit-class</filename>
  </compound>
  <compound kind="class">
    <name>CComboBox</name>
    <filename>mfc/reference/ccombobox-class</filename>
  </compound>
  <compound kind="class">
    <name>CComboBoxEx</name>
    <filename>mfc/reference/ccomboboxex-class</filename>
  </compound>
  <compound kind="class">
    <name>CListCtrl</name>
    <filename>mfc/reference/clistctrl-class</filename>
  </compound>
  <compound kind="class">
    <name>CStatic</name>
    <filename>mfc/reference/cstatic-class</filename>
  </compound>
  <compound kind="class">
    <name>CDialog</name>
    <filename>mfc/reference/cdialog-class</filename>
  </compound>
  <compound kind="class">
    <name>CCommonDialog</name>
    <filename>mfc/reference/ccommondialog-class</filename>
  </compound>
  <compound kind="class">
    <name>CFileDialog</name>
    <filename>mfc/reference/cfiledialog-class</filename>
  </compound>
  <compound kind="class">
    <name>CToolTipCtrl</name>
    <filename>mfc/reference/ctooltipctrl-class</filename>
  </compound>
  <compound kind="class">
    <name>CImageList</name>
    <filename>mfc/reference/cimagelist-class</filename>
  </compound>
  <compound kind="class">
    <name>CDC</name>
    <filename>mfc/reference/cdc-class</filename>
  </compound>
  <compound kind="class">
    <name>CPaintDC</name>
    <filename>mfc/reference/cpaintdc-class</filename>
  </compound>
  <compound kind="class">
    <name>CGdiObject</name>
    <filename>mfc/reference/cgdiobject-class</filename>
  </compound>
  <compound kind="class">
    <name>CBitmap</name>
    <filename>mfc/reference/cbitmap-class</filename>
  </compound>
  <compound kind="class">
    <name>CBrush</name>
    <filename>mfc/reference/cbrush-class</filename>
  </compound>
  <compound kind="class">
    <name>CPen</name>
    <filename>mfc/reference/cpen-class</filename>
  </compound>
  <compound kind="class">
    <name>CFont</name>
    <filename>mfc/reference/cfont-class</filename>
  </compound>
  <compound kind="class">
    <name>CArray</name>
    <filename>mfc/reference/carray-class</filename>
  </compound>
  <compound kind="class">
    <name>CPtrArray</name>
    <filename>mfc/reference/cptrarray-class</filename>
  </compound>
  <compound kind="class">
    <name>CDumpContext</name>
    <filename>mfc/reference/cdumpcontext-class</filename>
  </compound>
  <compound kind="struct">
    <name>CCreateContext</name>
    <filename>mfc/reference/ccreatecontext-structure</filename>
  </compound>
  <compound kind="class">
    <name>CMemoryException</name>
    <filename>mfc/reference/cmemoryexception-class</filename>
  </compound>
  <compound kind="class">
    <name>CDynLinkLibrary</name>
    <filename>mfc/reference/cdynlinklibrary-class</filename>
  </compound>
  <compound kind="class">
    <name>CString</name>
    <filename>atl-mfc-shared/reference/cstringt-class</filename>
  </compound>
  <compound kind="class">
    <name>CRect</name>
    <filename>atl-mfc-shared/reference/crect-class</filename>
  </compound>
  <compound kind="class">
    <name>CPoint</name>
    <filename>atl-mfc-shared/reference/cpoint-class</filename>
  </compound>
  <compound kind="class">
    <name>CSize</name>
    <filename>atl-mfc-shared/reference/csize-class</filename>
  </compound>
</tagfile>
