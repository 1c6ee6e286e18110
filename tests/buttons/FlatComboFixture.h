// FlatComboFixture.h - shared fixture of the flat combo box tests.
//
//   FlatComboTest   a framework dialog (child of the shared host window)
//                   with two plain combo boxes and an edit; MakeCombo turns
//                   one of them into a flat combo with Recreate.
//
// CFlatCombo exports only its constructor and destructor: the tests call
// its virtual operations through the virtual table (this program is built
// without devirtualisation) and read its state through the library's test
// entry points.
#ifndef TESTS_BUTTONS_FLATCOMBOFIXTURE_H
#define TESTS_BUTTONS_FLATCOMBOFIXTURE_H

#include <afxwin.h>
#include <afxcmn.h>

#include <vector>

#include <gtest/gtest.h>

#include "FlatCombo.h"
#include "FlatComboTestSeam.h"
#include "PixelHelpers.h"
#include "TestHostWindow.h"

namespace flatcombotest {

const UINT kListId = 1001;      // CBS_DROPDOWNLIST
const UINT kDropDownId = 1003;  // CBS_DROPDOWN
const UINT kEditId = 1002;

FlatComboTestState StateOf(const CFlatCombo* pCombo);
// The pixels of hwnd's whole window, read through its window device context.
testsupport::ClientPixels WindowPixels(HWND hwnd);
// Fills hwnd's whole window with colour, so that a later drawing shows.
void Smear(HWND hwnd, COLORREF colour);
// Pumps until the inner box's pixel (x, y) has colour; true when it did.
bool WaitForPixel(HWND hwnd, int x, int y, COLORREF colour);

class FlatComboTest : public testsupport::HostWindowTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Binds a new flat combo to dialog item nID and recreates it there;
    // deleted by TearDown.
    CFlatCombo* MakeCombo(UINT nID = kListId);
    // Adds items "item 0" ... or the given texts.
    static void AddItems(CFlatCombo* pCombo, const char* const* texts, int n);
    static HWND Inner(const CFlatCombo* pCombo) { return StateOf(pCombo).hComboBox; }

    CDialog m_dlg;
    std::vector<CFlatCombo*> m_combos;
};

} // namespace flatcombotest

#endif // TESTS_BUTTONS_FLATCOMBOFIXTURE_H
