#pragma once

#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>
#include <initializer_list>
#include <utility>

#include "app/dialogs/ShownText.h"

namespace sky::app {

// A new control with an object name, by which the window tests find it.
template <typename Widget, typename... Args>
Widget* named(const char* objectName, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(objectName);
    return widget;
}

// Controls side by side, kept to the left, such as the two radio buttons of a choice.
inline QLayout* sideBySide(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) row->addWidget(widget);
    row->addStretch();
    return row;
}

// The label of a degree edit, with the range the degree takes. Its hint wraps after the range,
// so that it does not widen the column of labels it stands in.
inline QLabel* degreeLabel() {
    auto* label = new QLabel(shownText("Degree\r\n\r\n(E180.0 ~ W180.0) , East(+), West(-)"));
    label->setWordWrap(true);
    label->setMaximumWidth(label->fontMetrics().horizontalAdvance("(E180.0 ~ W180.0) , ") + 2);
    return label;
}

}  // namespace sky::app
