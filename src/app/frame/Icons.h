#pragma once

#include <QIcon>
#include <QString>

namespace sky::app {

// Our own icon resources/icons/NAME.svg.
QIcon ownIcon(const QString& name);
// The desktop theme's icon of that name, with our own as the fallback.
QIcon themedIcon(const QString& themeName, const QString& ownName);
// The program's icon (resources/skylister.svg).
QIcon programIcon();

}  // namespace sky::app

// Registers the program's resources (icons, the user guide); they live in a static library, so
// the program and the tests call this once before use. Safe to call more than once.
void initSkylisterResources();
