#include "res/Strings.h"

#include "res/ResourceIds.h"

QString LoadResourceString(int id)
{
    if (id == IDS_ABOUTBOX)
        return QStringLiteral("&O Kvoraxu...");
    return QString();
}
