#include "WindowsUserPaths.h"

#include "WideText.h"

#include <shlobj.h>
#include <windows.h>

namespace Quiverstep {

std::vector<std::string> WindowsUserPaths::DefaultLogFiles(const std::string &fileName)
{
    std::vector<std::string> files{"C:\\" + fileName};
    wchar_t localAppData[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr,
                                   CSIDL_LOCAL_APPDATA,
                                   nullptr,
                                   SHGFP_TYPE_CURRENT,
                                   localAppData))) {
        const std::wstring folder = std::wstring(localAppData) + L"\\Orrerix";
        CreateDirectoryW(folder.c_str(), nullptr); // it may be there already
        files.push_back(Narrow(folder) + "\\" + fileName);
    }
    return files;
}

} // namespace Quiverstep
