#pragma once

// Chooses the language of the applet's resources and loads its library, once,
// when the library is attached to a process.  Never throws.
void SelectResourceLanguage() noexcept;
