#include "ApplicationTitle.h"

QString applicationTitle()
{
    return QStringLiteral("ktv3815");
}
