// ScratchFolder.h - a fresh folder for tests that need real files.
//
//   ScratchFolder folder("frame_load_");         // %TEMP%\frame_load_<pid>_<ticks>
//   ASSERT_TRUE(folder.Valid());
//   std::string dll = folder.File("copy.dll");
//   ...                                          // the folder and all below it go with it

#ifndef TESTSUPPORT_SCRATCHFOLDER_H
#define TESTSUPPORT_SCRATCHFOLDER_H

#include <windows.h>

#include <string>

namespace testsupport {

// A new, empty folder under the temporary folder, named by the prefix, the
// process id and the tick count.  It is removed, with every file and folder
// below it (read-only ones too), when the object goes.
class ScratchFolder
{
public:
    explicit ScratchFolder(const char* pszPrefix);
    ~ScratchFolder();

    // Whether the folder could be made.
    bool Valid() const { return m_bValid; }
    // Its full path, without a trailing separator.
    const std::string& Path() const { return m_path; }
    // Path() + "\\" + pszName.
    std::string File(const char* pszName) const { return m_path + "\\" + pszName; }

private:
    ScratchFolder(const ScratchFolder&);
    ScratchFolder& operator=(const ScratchFolder&);

    std::string m_path;
    bool m_bValid;
};

// Removes path and everything below it; true when nothing is left.
bool RemoveFolderTree(const std::string& path);

} // namespace testsupport

#endif // TESTSUPPORT_SCRATCHFOLDER_H
