#pragma once
// Help topics are HTML files beside the applet, in HelpFiles\<language tag>\,
// opened with the user's program for them.

#include "locale/IHelpPlatform.h"
#include "settings/IRegistry.h"

// Opens `topic` (a file name) from the help folder that `folderFormat` names
// ("%s\HelpFiles\" in the string table, %s being the applet's folder), in
// the subfolder of the configured language tag when it exists and in en-US
// otherwise.  Returns 1 once the open was attempted, whatever its outcome;
// 0 when nothing was opened because the applet's folder could not be had or
// the path would not fit into 260 units.
int OpenHelpTopic(IHelpPlatform& platform, IRegistry& registry, const char16_t* topic,
                  const char16_t* folderFormat);
