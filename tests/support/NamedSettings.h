#pragma once
#include "RegionalSettings.h"

#include <QStringView>

// The regional settings that a row of a data-driven test names: "hu" the Hungarian, "en" the English.
RegionalSettings settingsNamed(QStringView name);
