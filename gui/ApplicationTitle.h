#pragma once
#include <QString>

// The title of the standard error box and of untitled dialogs.
QString applicationTitle();
