// BigListFixture.h - the shared fixture of the big list tests: a framework
// panel on the shared host window (so that list-view notifications are
// reflected to the control), a CTestBigList created in it, and a recorder
// log "list" of the store's messages to the list view.
#ifndef TESTS_BIGLIST_BIGLISTFIXTURE_H
#define TESTS_BIGLIST_BIGLISTFIXTURE_H

#include <functional>
#include <memory>

#include "MessageRecorder.h"
#include "TestHostWindow.h"
#include "TestBigList.h"

class BigListFixture : public testsupport::HostWindowTest
{
protected:
    // Client size of the list view; the report view shows whole rows only.
    static const int kListWidth = 300;
    static const int kListHeight = 240;
    static const UINT kListId = 0x5101;

    void SetUp() override;
    void TearDown() override;

    // Creates the list view (report view, three columns), records the
    // messages it receives into "list" and returns the control.
    CTestBigList& CreateList(int nCapacity = 2048, int nGrowBy = 2048);
    CTestBigList& List() { return *m_pList; }
    HWND ListHwnd() const { return m_pList->GetSafeHwnd(); }
    CWnd& Panel() { return m_panel; }

    // The list view's count and rows per page, straight from the window.
    int ViewItemCount() const;
    int CountPerPage() const;
    // Paints the list view now (the list view asks for what it draws and
    // gives its cache hints while painting).
    void PaintList();

    // Only the messages the store sends: redraws, count changes, carried calls.
    static bool StoreMessagesOnly(HWND, UINT message, WPARAM, LPARAM);

    CWnd m_panel;
    std::unique_ptr<CTestBigList> m_pList;
};

// Runs job on a thread of its own while this thread dispatches whatever
// arrives; false when the job did not end within 30 s (a hang).
bool RunWhilePumping(const std::function<void()>& job);

#endif // TESTS_BIGLIST_BIGLISTFIXTURE_H
