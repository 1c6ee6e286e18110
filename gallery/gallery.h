// gallery.h - registration interface of the gallery host.
//
// Each control page (gallery/<control>_page.cpp) registers one or more items
// at static-initialisation time with GALLERY_ITEM. The gallery builds one
// dialog, gives every item a cell of the size it asks for, creates the items,
// pumps messages until each reports ready, lets everything paint and writes
// one PNG per item plus one of the whole dialog.
//
//   static HWND CreateMine(CWnd* pParent, const RECT& rc) { ... }
//   GALLERY_ITEM(mine, "mine", 200, 120, &CreateMine, NULL, NULL);
#ifndef GALLERY_GALLERY_H
#define GALLERY_GALLERY_H

#include <afxwin.h>

#include <string>

struct GalleryItem {
    const char* name;                              // picture file stem, e.g. "histogram"
    int width, height;                             // client pixels the item needs
    HWND (*create)(CWnd* pParent, const RECT& rc); // builds the control inside rc; returns the window to photograph
    BOOL (*ready)();                               // optional (NULL = ready at once): polled while the gallery pumps
    void (*destroy)();                             // optional: frees what create made, before the dialog goes
    const char* keys = NULL;                       // optional: how the keyboard operates it, shown in the caption
};
void RegisterGalleryItem(const GalleryItem& item);
#define GALLERY_ITEM(tag, ...) static const bool tag##_registered_ = (RegisterGalleryItem(GalleryItem{__VA_ARGS__}), true)

// Interactive mode with a log (gallery.exe --interactive --log <file>
// --commands <file>; see interactive.cpp). A driver appends request lines
// "<tag> <name> [<args>]" to the command file; the gallery answers each with
// the log line "answer <tag> <text>". A page may answer requests of its own:
//   static std::string Check(const char* args) { return "ok"; }
//   GALLERY_COMMAND(mine_check, "mine.check", &Check);
// An answer that starts with "fail" marks a broken invariant.
typedef std::string (*GalleryCommandFn)(const char* args);
void RegisterGalleryCommand(const char* name, GalleryCommandFn fn);
#define GALLERY_COMMAND(tag, name, fn) static const bool tag##_command_ = (RegisterGalleryCommand(name, fn), true)
// Appends one line to the log (printf format; no newline); nothing without one.
void GalleryLog(const char* format, ...);

#endif // GALLERY_GALLERY_H
