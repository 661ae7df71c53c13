#include "tests/app/plant_link.h"

#include "app/files/windows_text.h"

#include <cstring>
#include <vector>

#include <windows.h>
#include <winioctl.h>

namespace korvex {
namespace {

bool isReparsePoint(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// A junction needs no privilege, unlike a symbolic link to a folder.
bool plantJunction(const std::wstring& target, const std::wstring& at)
{
    if (!CreateDirectoryW(at.c_str(), nullptr))
        return false;
    const std::wstring substitute = L"\\??\\" + target;
    const auto bytes = static_cast<WORD>(substitute.size() * sizeof(wchar_t));
    // The mount-point reparse data: tag, sizes, then both names, each ending in a zero.
    std::vector<char> data(16 + bytes + 2 * sizeof(wchar_t), 0);
    const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
    const WORD header[] = {static_cast<WORD>(data.size() - 8), 0, 0, bytes, static_cast<WORD>(bytes + 2), 0};
    std::memcpy(data.data(), &tag, 4);
    std::memcpy(data.data() + 4, header, sizeof header);
    std::memcpy(data.data() + 16, substitute.c_str(), bytes);
    const HANDLE folder = CreateFileW(at.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    DWORD returned = 0;
    const bool planted = folder != INVALID_HANDLE_VALUE
                         && DeviceIoControl(folder, FSCTL_SET_REPARSE_POINT, data.data(),
                                            static_cast<DWORD>(data.size()), nullptr, 0, &returned, nullptr);
    if (folder != INVALID_HANDLE_VALUE)
        CloseHandle(folder);
    if (!planted)
        RemoveDirectoryW(at.c_str());
    return planted && isReparsePoint(at);
}

}  // namespace

bool PlantLink(const std::string& target, const std::string& at)
{
    const std::wstring from = WideFromUtf8(at);
    const std::wstring to = WideFromUtf8(target);
    const DWORD attributes = GetFileAttributesW(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return plantJunction(to, from);
    // Developer mode allows symbolic links without privilege.
    constexpr DWORD allowUnprivileged = 0x2;
    return CreateSymbolicLinkW(from.c_str(), to.c_str(), allowUnprivileged) && isReparsePoint(from);
}

bool DenyReading(const std::string& path)
{
    const std::wstring file = WideFromUtf8(path);
    SECURITY_DESCRIPTOR descriptor{};
    ACL nobody{};
    if (!InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION)
        || !InitializeAcl(&nobody, sizeof nobody, ACL_REVISION)
        || !SetSecurityDescriptorDacl(&descriptor, TRUE, &nobody, FALSE)
        || !SetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, &descriptor))
        return false;
    const HANDLE opened = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return true;
    CloseHandle(opened);
    return false;
}

}  // namespace korvex
