#pragma once

#include <QHBoxLayout>
#include <QWidget>
#include <initializer_list>
#include <utility>

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

}  // namespace sky::app
