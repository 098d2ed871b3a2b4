#include "records/help.h"

#include "platform/help.h"
#include "platform/window.h"

void ShowHelpTopic(const std::string& file, const std::string& topic)
{
    if (!ShowHtmlHelpTopic(file, topic))
        ShowMessageBox("Error while trying to display a topic of " + file, "Kastenzahl", "OK", BoxIcon::Error,
                       1);
}
