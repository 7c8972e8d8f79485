#include "app/list/ListZoom.h"

#include "app/list/ChannelTableView.h"

namespace sky::app {

void zoomList(Settings& settings, ChannelTableView& table, Command command) {
    int points = 0;
    if (command == Command::ZoomIn) points = settings.listZoom() + 1;
    if (command == Command::ZoomOut) points = settings.listZoom() - 1;
    settings.setListZoom(points);
    table.applyZoom(settings.listZoom());
}

}  // namespace sky::app
