// The payload archive's temporary copy.
#include "payload/temporary_archive.h"

namespace lp {

namespace {

constexpr std::size_t kMaxWorkPath = 519;

bool WriteAll(HANDLE file, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const DWORD chunk = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, bytes, chunk, &written, nullptr) || written != chunk)
            return false;
        bytes += chunk;
        size -= chunk;
    }
    return true;
}

}  // namespace

bool TemporaryArchive::Create(const std::wstring& path, const void* data, std::size_t size) {
    file_.reset(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                            nullptr));
    if (!file_)
        return false;
    path_ = path;
    if (WriteAll(file_.get(), data, size))
        return true;
    file_.reset();
    return false;
}

std::wstring TemporaryArchivePath(const std::wstring& tempFileName) {
    std::wstring folder(kMaxWorkPath + 1, L'\0');
    const DWORD length = GetTempPathW(static_cast<DWORD>(kMaxWorkPath), folder.data());
    if (length == 0 || length > kMaxWorkPath)
        return {};
    folder.resize(length);
    if (folder.back() != L'\\')
        folder.push_back(L'\\');
    const std::wstring path = folder + tempFileName;
    if (tempFileName.empty() || path.size() > kMaxWorkPath)
        return {};
    return path;
}

}  // namespace lp
