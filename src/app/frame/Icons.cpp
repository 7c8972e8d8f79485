#include "app/frame/Icons.h"

namespace sky::app {

QIcon ownIcon(const QString& name) {
    return QIcon(":/icons/" + name + ".svg");
}

QIcon themedIcon(const QString& themeName, const QString& ownName) {
    if (ownName.isEmpty()) return QIcon::fromTheme(themeName);
    return QIcon::fromTheme(themeName, ownIcon(ownName));
}

QIcon programIcon() {
    return QIcon::fromTheme("skylister", QIcon(":/skylister.svg"));
}

}  // namespace sky::app

static void initResourcesOnce() {
    Q_INIT_RESOURCE(skylister);
}

void initSkylisterResources() {
    static const bool done = (initResourcesOnce(), true);
    (void)done;
}
