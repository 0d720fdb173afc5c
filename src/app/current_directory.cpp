// The process's current directory, remembered as text and made current again.
#include "app/current_directory.h"

#include <direct.h>

#include <cstdlib>
#include <memory>

namespace lp {
namespace {

struct FreeDeleter {
    void operator()(wchar_t* p) const { std::free(p); }
};

}  // namespace

std::wstring GetCurrentDirectoryText() {
    const std::unique_ptr<wchar_t, FreeDeleter> directory(_wgetcwd(nullptr, 0));
    return directory ? std::wstring(directory.get()) : std::wstring();
}

void RestoreCurrentDirectory(const std::wstring& directory) {
    if (!directory.empty())
        _wchdir(directory.c_str());
}

}  // namespace lp
