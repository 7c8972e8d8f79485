#include "app/dialogs/MessageBoxes.h"

#include <QMessageBox>

#include "app/dialogs/ShownText.h"

namespace sky::app {

Answer execMessageBox(QWidget* parent, const QString& text, const QString& caption, Buttons buttons,
                      Icon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
    }
    switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            // Escape in a Yes/No question reads as No.
            return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
}

void MessageBoxes::message(const std::string& text, const std::string& caption) {
    execMessageBox(parent_, shownText(text), shownText(caption), Buttons::Ok, Icon::Exclamation);
}

Answer MessageBoxes::ask(const std::string& text, Buttons buttons, Icon icon,
                         const std::string& caption) {
    return execMessageBox(parent_, shownText(text), shownText(caption), buttons, icon);
}

}  // namespace sky::app
