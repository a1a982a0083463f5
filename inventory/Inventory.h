#pragma once

#include "inventory/InstalledApp.h"

#include <QHash>
#include <QString>

// The inventory of installed software: lower-case key to record. Writing a key replaces what it held.
using Inventory = QHash<QString, InstalledApp>;
