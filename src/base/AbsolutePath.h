#pragma once
// Whether a Windows path is absolute: a drive and its root ("C:\...") or a
// network share ("\\server\share...").  Anything else would be taken
// against whatever the current folder is.

#include <string_view>

inline bool IsAbsolutePath(std::u16string_view path) {
    return (path.size() >= 3 && path[1] == u':' && path[2] == u'\\') || path.starts_with(u"\\\\");
}
