#include "app/dialogs/TabOrder.h"

#include <QLayout>
#include <QList>

namespace sky::app {
namespace {

// The controls that take the focus, in layout order; group boxes and button boxes are entered.
void collect(const QLayout* layout, QList<QWidget*>& controls) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (const QLayout* inner = item->layout()) {
            collect(inner, controls);
        } else if (QWidget* widget = item->widget()) {
            if (widget->focusPolicy() != Qt::NoFocus) {
                controls.append(widget);
            } else if (widget->layout()) {
                collect(widget->layout(), controls);
            }
        }
    }
}

}  // namespace

void tabInLayoutOrder(QWidget* window) {
    QList<QWidget*> controls;
    collect(window->layout(), controls);
    for (qsizetype i = 1; i < controls.size(); ++i) {
        QWidget::setTabOrder(controls[i - 1], controls[i]);
    }
}

}  // namespace sky::app
