#include "pages/PageServices.h"

#include "res/resource.h"

void PageServices::OpenHelpTopic(const char16_t* topic) const {
    shell.OpenHelpTopic(topic, strings.Load(IDS_HELP_FOLDER_FORMAT).c_str());
}
