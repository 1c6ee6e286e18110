// Builds DLGTEMPLATE / DLGITEMTEMPLATE sequences in memory.

#include "DialogTemplateBuilder.h"

namespace testsupport {

namespace {

std::wstring Widen(const char* psz)
{
    if (psz == NULL || *psz == '\0')
        return std::wstring();
    int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, NULL, 0);
    std::wstring result((size_t)(n > 0 ? n - 1 : 0), L'\0');
    if (n > 1)
        ::MultiByteToWideChar(CP_ACP, 0, psz, -1, &result[0], n);
    return result;
}

class WordWriter
{
public:
    explicit WordWriter(std::vector<WORD>& out) : m_out(out) {}
    void Word(WORD w) { m_out.push_back(w); }
    void Dword(DWORD d) { Word(LOWORD(d)); Word(HIWORD(d)); }
    void Short(short s) { Word((WORD)s); }
    void String(const std::wstring& s)
    {
        for (size_t i = 0; i < s.size(); i++)
            Word((WORD)s[i]);
        Word(0);
    }
    void AlignDword()
    {
        if (m_out.size() % 2 != 0)
            Word(0);
    }

private:
    std::vector<WORD>& m_out;
};

} // namespace

DialogTemplateBuilder::DialogTemplateBuilder(DWORD style, int x, int y, int cx, int cy,
                                             const char* caption, DWORD exStyle)
    : m_style(style), m_exStyle(exStyle), m_x((short)x), m_y((short)y),
      m_cx((short)cx), m_cy((short)cy), m_caption(Widen(caption)), m_pointSize(0),
      m_hasFont(false), m_size(0), m_dirty(true)
{
}

DialogTemplateBuilder& DialogTemplateBuilder::SetFont(WORD pointSize, const char* faceName)
{
    m_hasFont = true;
    m_pointSize = pointSize;
    m_faceName = Widen(faceName);
    m_dirty = true;
    return *this;
}

DialogTemplateBuilder& DialogTemplateBuilder::AddItem(const char* className, const char* text, WORD id,
                                                      DWORD style, int x, int y, int cx, int cy,
                                                      DWORD exStyle)
{
    Item item;
    item.style = style;
    item.exStyle = exStyle;
    item.x = (short)x;
    item.y = (short)y;
    item.cx = (short)cx;
    item.cy = (short)cy;
    item.id = id;
    item.classAtom = 0;
    item.className = Widen(className);
    item.text = Widen(text);
    m_items.push_back(item);
    m_dirty = true;
    return *this;
}

DialogTemplateBuilder& DialogTemplateBuilder::AddItem(ClassAtom classAtom, const char* text, WORD id,
                                                      DWORD style, int x, int y, int cx, int cy,
                                                      DWORD exStyle)
{
    AddItem((const char*)NULL, text, id, style, x, y, cx, cy, exStyle);
    m_items.back().classAtom = (WORD)classAtom;
    return *this;
}

void DialogTemplateBuilder::Build()
{
    std::vector<WORD> words;
    WordWriter w(words);

    DWORD style = m_style;
    if (m_hasFont)
        style |= DS_SETFONT;
    else
        style &= ~DS_SETFONT;

    // DLGTEMPLATE
    w.Dword(style);
    w.Dword(m_exStyle);
    w.Word((WORD)m_items.size());
    w.Short(m_x);
    w.Short(m_y);
    w.Short(m_cx);
    w.Short(m_cy);
    w.Word(0);  // no menu
    w.Word(0);  // the default dialog class
    w.String(m_caption);
    if (m_hasFont)
    {
        w.Word(m_pointSize);
        w.String(m_faceName);
    }

    for (size_t i = 0; i < m_items.size(); i++)
    {
        const Item& item = m_items[i];
        w.AlignDword();
        // DLGITEMTEMPLATE
        w.Dword(item.style);
        w.Dword(item.exStyle);
        w.Short(item.x);
        w.Short(item.y);
        w.Short(item.cx);
        w.Short(item.cy);
        w.Word(item.id);
        if (item.classAtom != 0)
        {
            w.Word(0xFFFF);
            w.Word(item.classAtom);
        }
        else
        {
            w.String(item.className);
        }
        w.String(item.text);
        w.Word(0);  // no creation data
    }

    m_size = words.size() * sizeof(WORD);
    m_buffer.assign((words.size() + 1) / 2, 0);
    memcpy(m_buffer.data(), words.data(), m_size);
    m_dirty = false;
}

const DLGTEMPLATE* DialogTemplateBuilder::Template()
{
    if (m_dirty)
        Build();
    return (const DLGTEMPLATE*)m_buffer.data();
}

size_t DialogTemplateBuilder::Size()
{
    if (m_dirty)
        Build();
    return m_size;
}

} // namespace testsupport
