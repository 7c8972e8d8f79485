#include "app/dialogs/MessageBoxes.h"

#include <QMessageBox>

#include "app/dialogs/ShownText.h"

namespace sky::app {
namespace {

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(Buttons buttons) {
    switch (buttons) {
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

}  // namespace

void MessageBoxes::message(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Warning, shownText(caption), shownText(text), QMessageBox::Ok,
                    parent_);
    box.exec();
}

Answer MessageBoxes::ask(const std::string& text, Buttons buttons, Icon icon,
                         const std::string& caption) {
    QMessageBox box(boxIcon(icon), shownText(caption), shownText(text), boxButtons(buttons),
                    parent_);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            return Answer::Ok;
    }
}

}  // namespace sky::app
