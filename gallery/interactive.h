// interactive.h - the gallery's log and command channel for a driver that
// works the dialog on a real display (see interactive.cpp).
#ifndef GALLERY_INTERACTIVE_H
#define GALLERY_INTERACTIVE_H

#include <afxwin.h>

#include <string>
#include <utility>
#include <vector>

// Opens the log (created afresh) and starts reading requests from
// commandPath (which may not exist yet); hooks this thread's messages so
// that the controls' notifications are logged. False when the log cannot be
// created.
bool OpenGalleryChannel(const std::string& logPath, const std::string& commandPath, HWND hwndDialog,
                        const std::vector<std::pair<std::string, HWND> >& items);
// Logs that every item is ready; requests are answered from now on.
void GalleryChannelReady();
void CloseGalleryChannel();

#endif // GALLERY_INTERACTIVE_H
