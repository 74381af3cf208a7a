#include "NamedSettings.h"

RegionalSettings settingsNamed(QStringView name)
{
    if (name == u"hu")
        return RegionalSettings::hungarian();
    if (name == u"en")
        return RegionalSettings::english();
    qFatal("no regional settings are named \"%s\"", qPrintable(name.toString()));
}
