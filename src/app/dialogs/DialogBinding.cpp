#include "app/dialogs/DialogBinding.h"

#include <QButtonGroup>

namespace sky::app {

void DialogBinding::edit(QLineEdit* edit, std::string& text, std::size_t maxChars,
                         bool displayOnly) {
    if (maxChars > 0) edit->setMaxLength(static_cast<int>(maxChars));
    edit->setEnabled(!displayOnly);
    QObject::connect(edit, &QLineEdit::textEdited, edit,
                     [&text](const QString& typed) { text = typed.toStdString(); });
    edits_.push_back({edit, &text});
}

void DialogBinding::radios(QRadioButton* on, QRadioButton* off, bool& flag) {
    // Each pair is a choice of its own, even where several share a group box.
    auto* group = new QButtonGroup(on);
    group->addButton(on);
    group->addButton(off);
    QObject::connect(on, &QRadioButton::toggled, on, [&flag](bool checked) { flag = checked; });
    radios_.push_back({on, off, &flag});
}

void DialogBinding::show() const {
    for (const Edit& edit : edits_) edit.edit->setText(QString::fromStdString(*edit.text));
    for (const Radios& pair : radios_) {
        const bool flag = *pair.flag;
        pair.on->setChecked(flag);
        pair.off->setChecked(!flag);
    }
}

void DialogBinding::show(QLineEdit* edit) const {
    for (const Edit& bound : edits_) {
        if (bound.edit == edit) edit->setText(QString::fromStdString(*bound.text));
    }
}

QLineEdit* DialogBinding::editOf(const std::string& text) const {
    for (const Edit& edit : edits_) {
        if (edit.text == &text) return edit.edit;
    }
    return nullptr;
}

}  // namespace sky::app
