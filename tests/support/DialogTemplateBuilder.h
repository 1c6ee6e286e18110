// DialogTemplateBuilder.h - in-memory dialog templates for tests.
//
//   DialogTemplateBuilder dlg(WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 200, 120, "Host");
//   dlg.SetFont(8, "MS Shell Dlg");
//   dlg.AddItem("HISTOGRAMCLASS", "", 1001, WS_CHILD | WS_VISIBLE, 7, 7, 120, 80);
//   dlg.AddItem(DialogTemplateBuilder::Button, "OK", IDOK, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 140, 7, 50, 14);
//   HWND hDlg = CreateDialogIndirectParamA(hInst, dlg.Template(), hParent, proc, 0);
//
// Template() stays valid while the builder lives and is not changed; it is
// DWORD aligned, as CreateDialogIndirectParam, DialogBoxIndirectParam and
// the framework's CDialog::CreateIndirect / InitModalIndirect require.
// Coordinates are dialog units.

#ifndef TESTSUPPORT_DIALOGTEMPLATEBUILDER_H
#define TESTSUPPORT_DIALOGTEMPLATEBUILDER_H

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

class DialogTemplateBuilder
{
public:
    // Predefined control classes, by their atoms.
    enum ClassAtom : WORD
    {
        Button = 0x0080,
        Edit = 0x0081,
        Static = 0x0082,
        ListBox = 0x0083,
        ScrollBar = 0x0084,
        ComboBox = 0x0085,
    };

    DialogTemplateBuilder(DWORD style, int x, int y, int cx, int cy,
                          const char* caption = "", DWORD exStyle = 0);

    // Adds DS_SETFONT with this font.
    DialogTemplateBuilder& SetFont(WORD pointSize, const char* faceName);

    // An item of a registered window class named by string.
    DialogTemplateBuilder& AddItem(const char* className, const char* text, WORD id,
                                   DWORD style, int x, int y, int cx, int cy, DWORD exStyle = 0);
    // An item of a predefined class.
    DialogTemplateBuilder& AddItem(ClassAtom classAtom, const char* text, WORD id,
                                   DWORD style, int x, int y, int cx, int cy, DWORD exStyle = 0);

    int ItemCount() const { return (int)m_items.size(); }

    // The finished template (rebuilt after each change).
    const DLGTEMPLATE* Template();
    size_t Size();

private:
    struct Item
    {
        DWORD style;
        DWORD exStyle;
        short x, y, cx, cy;
        WORD id;
        WORD classAtom;          // 0 when className is used
        std::wstring className;
        std::wstring text;
    };

    void Build();

    DWORD m_style;
    DWORD m_exStyle;
    short m_x, m_y, m_cx, m_cy;
    std::wstring m_caption;
    WORD m_pointSize;
    std::wstring m_faceName;
    bool m_hasFont;
    std::vector<Item> m_items;
    std::vector<DWORD> m_buffer;  // DWORD elements keep the start aligned
    size_t m_size;
    bool m_dirty;
};

} // namespace testsupport

#endif // TESTSUPPORT_DIALOGTEMPLATEBUILDER_H
