#pragma once
// The configured user language tag (such as "en-US"): it chooses the folder
// of the help topics and makes message boxes right-to-left for Arabic and
// Hebrew.  It is read anew at every use and never written by the applet.

#include <cstddef>

#include "settings/IRegistry.h"

// Capacities the two readers pass, in UTF-16 units with the terminator.
inline constexpr std::size_t kMessageBoxTagUnits = 15;
inline constexpr std::size_t kHelpTagUnits = 20;

// Writes the tag into `destination`, always terminated within `capacity`
// units.  Whatever cannot be read as a tag gives "en-US": a missing key or
// value, another type, data that is not a terminated text, and a tag that
// does not fit whole into `capacity`.  The empty text is a valid tag.
void GetDefaultUserLang(IRegistry& registry, char16_t* destination, std::size_t capacity);

// MB_RIGHT | MB_RTLREADING: right-aligned text read right to left.
inline constexpr unsigned kRightToLeftMessageBox = 0x00180000;

// `flags` for a message box, made right-to-left when the tag names Arabic
// (Saudi Arabia) or Hebrew (Israel) anywhere in it.
unsigned MessageBoxFlagsForUserLanguage(IRegistry& registry, unsigned flags);
