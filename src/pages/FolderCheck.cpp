#include "pages/FolderCheck.h"

#include <string>

#include "base/AbsolutePath.h"
#include "base/AppendWhole.h"

namespace {

constexpr char16_t kProbeFile[] = u"IconResource.dll";
// Names the probe takes instead when the folder already holds a file of the
// probe's name; no longer than it, so that a path that fits one fits all.
constexpr const char16_t* kSpareProbeNames[] = {u"~QvProbe1.tmp", u"~QvProbe2.tmp", u"~QvProbe3.tmp"};

bool AlreadyExists(std::uint32_t error) {
    return error == win32_error::kFileExists || error == win32_error::kAlreadyExists;
}

std::optional<Text260> InFolder(std::u16string_view folder, std::u16string_view name) {
    Text260 path;
    if (!AppendWhole(path, {folder, u"\\", name})) return std::nullopt;
    return path;
}

}  // namespace

FolderVerdict CheckFolder(IFileSystem& files, std::u16string_view path, Text260* leftover) {
    const std::u16string folder(path);
    if (!IsAbsolutePath(folder)) return FolderVerdict::Invalid;
    if (!files.Exists(folder.c_str())) return FolderVerdict::Missing;
    if (!files.IsDirectory(folder.c_str())) return FolderVerdict::NotAFolder;

    // A folder too long to hold the probe's file within 260 units cannot be
    // probed: no folder a file can be shared from.
    auto target = InFolder(folder, kProbeFile);
    if (!target) return FolderVerdict::Invalid;
    auto moduleFolder = files.ModuleFolder();
    auto source = moduleFolder ? InFolder(moduleFolder->view(), kProbeFile) : std::nullopt;
    // Without the probe's source nothing can be copied; that is no refusal.
    if (!source) return FolderVerdict::Accepted;

    std::size_t spare = 0;
    while (!files.CopyNew(source->c_str(), target->c_str())) {
        std::uint32_t error = files.LastError();
        if (error == win32_error::kAccessDenied) return FolderVerdict::NotWritable;
        if (!AlreadyExists(error) || spare == std::size(kSpareProbeNames)) return FolderVerdict::Accepted;
        target = InFolder(folder, kSpareProbeNames[spare++]);
    }
    // A copy that stays would lie in a folder that remote devices may read.
    if (files.Delete(target->c_str())) return FolderVerdict::Accepted;
    if (leftover) *leftover = *target;
    return FolderVerdict::ProbeLeft;
}
