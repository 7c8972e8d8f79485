#include "app/find/FindBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include "app/dialogs/DialogWidgets.h"
#include "app/list/ChannelTableView.h"
#include "editor/view/ListView.h"

namespace sky::app {

namespace {

// An item of a choice: its text and what it stands for.
struct Choice {
    QString text;
    QVariant data;
};

bool sameChoices(const QComboBox& box, const std::vector<Choice>& choices) {
    if (box.count() != static_cast<int>(choices.size())) return false;
    for (int i = 0; i < box.count(); ++i) {
        const Choice& choice = choices[static_cast<std::size_t>(i)];
        if (box.itemText(i) != choice.text || box.itemData(i) != choice.data) return false;
    }
    return true;
}

// Fills a choice anew when its items differ, keeping the item chosen before where an item of the
// same text (or, by `byData`, of the same data) remains; the first item otherwise.
void setChoices(QComboBox& box, const std::vector<Choice>& choices, bool byData) {
    if (sameChoices(box, choices)) return;
    const QString text = box.currentText();
    const QVariant data = box.currentData();
    box.clear();
    for (const Choice& choice : choices) box.addItem(choice.text, choice.data);
    const int kept = byData ? box.findData(data) : box.findText(text);
    box.setCurrentIndex(std::max(kept, 0));
}

QToolButton* stepButton(const char* name, Qt::ArrowType arrow, const QString& text,
                        const QString& tip) {
    auto* button = named<QToolButton>(name);
    button->setArrowType(arrow);
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setToolTip(tip);
    return button;
}

}  // namespace

FindBar::FindBar(ListView& view, ChannelTableView& table, QWidget* parent)
    : QWidget(parent),
      view_(view),
      table_(table),
      text_(named<QLineEdit>("FindText")),
      column_(named<QComboBox>("FindColumn")),
      satelliteLabel_(new QLabel("Satellite:")),
      satellite_(named<QComboBox>("FindSatellite")),
      typeLabel_(new QLabel("Type:")),
      type_(named<QComboBox>("FindType")),
      onlyMatching_(named<QCheckBox>("FindOnlyMatching", "Show only matching rows")),
      count_(named<QLabel>("FindCount")),
      previous_(stepButton("FindPrevious", Qt::UpArrow, "Previous",
                           "Select the Previous Match (Shift+Enter)")),
      next_(stepButton("FindNext", Qt::DownArrow, "Next", "Select the Next Match (Enter)")),
      close_(named<QToolButton>("FindClose")) {
    setObjectName("FindBar");
    text_->setPlaceholderText("Text to find");
    text_->setAccessibleName("Text to find");
    text_->setClearButtonEnabled(true);
    // At most 220 pixels, so that the controls after it stay put as the choices change with
    // the view; in a narrow window the field gives way first, the choices keep their texts.
    text_->setMinimumWidth(120);
    text_->setMaximumWidth(220);
    text_->setToolTip("Find a Text in the Cells, in Any Letter Case");
    text_->installEventFilter(this);
    column_->setToolTip("The Column the Text Is Looked For In");
    column_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    satellite_->setToolTip("Only the Channels of One Satellite");
    satellite_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    type_->addItem("All", static_cast<int>(TypeChoice::All));
    type_->addItem("TV", static_cast<int>(TypeChoice::Tv));
    type_->addItem("Radio", static_cast<int>(TypeChoice::Radio));
    type_->setToolTip("Only the TV or Only the Radio Channels");
    onlyMatching_->setChecked(true);
    onlyMatching_->setToolTip("Hide the Rows That Do Not Match");
    // The longest count fits without the bar moving as the count changes.
    count_->setMinimumWidth(count_->fontMetrics().horizontalAdvance("99999 of 99999") + 8);
    for (QWidget* control :
         std::initializer_list<QWidget*>{column_, satellite_, type_, onlyMatching_}) {
        control->setSizePolicy(QSizePolicy::Minimum, control->sizePolicy().verticalPolicy());
    }
    close_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close_->setAutoRaise(true);
    close_->setToolTip("Close the Find Bar (Esc)");
    close_->setAccessibleName("Close the find bar");

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(new QLabel("Find:"));
    row->addWidget(text_, 1);
    row->addWidget(new QLabel("in"));
    row->addWidget(column_);
    row->addSpacing(8);
    row->addWidget(satelliteLabel_);
    row->addWidget(satellite_);
    row->addWidget(typeLabel_);
    row->addWidget(type_);
    row->addSpacing(8);
    row->addWidget(onlyMatching_);
    row->addSpacing(8);
    row->addWidget(count_);
    row->addWidget(previous_);
    row->addWidget(next_);
    row->addStretch();
    row->addWidget(close_);

    connect(text_, &QLineEdit::textChanged, this, &FindBar::applyQuery);
    for (QComboBox* box : {column_, satellite_, type_}) {
        connect(box, &QComboBox::activated, this, &FindBar::applyQuery);
    }
    connect(onlyMatching_, &QCheckBox::toggled, this, &FindBar::applyQuery);
    connect(previous_, &QToolButton::clicked, this, [this] { step(false); });
    connect(next_, &QToolButton::clicked, this, [this] { step(true); });
    connect(close_, &QToolButton::clicked, this, &FindBar::close);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &FindBar::close,
                  Qt::WidgetWithChildrenShortcut);
    // After the reset has run its course: a new query then resets the table anew, never within
    // the reset's own notification.
    connect(table_.tableModel(), &QAbstractItemModel::modelReset, this, &FindBar::listReset,
            Qt::QueuedConnection);
    connect(table_.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FindBar::showCount);
    hide();
}

void FindBar::open() {
    if (isHidden()) {
        show();
        listReset();
    }
    text_->setFocus(Qt::ShortcutFocusReason);
    text_->selectAll();
}

void FindBar::close() {
    // Hidden first, so that clearing the controls sets no query on the way.
    hide();
    text_->clear();
    for (QComboBox* box : {column_, satellite_, type_}) box->setCurrentIndex(0);
    count_->clear();
    if (!attached()) return;
    view_.clearFind();
    table_.setFocus(Qt::OtherFocusReason);
}

FindQuery FindBar::query() const {
    FindQuery query;
    query.text = text_->text().toStdString();
    if (const QVariant column = column_->currentData(); column.isValid()) {
        query.column = column.value<std::size_t>();
    }
    if (const QVariant satellite = satellite_->currentData(); satellite.isValid()) {
        query.satellite = satellite.toString().toStdString();
    }
    query.type = static_cast<TypeChoice>(type_->currentData().toInt());
    query.onlyMatching = onlyMatching_->isChecked();
    return query;
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            step(!(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FindBar::listReset() {
    if (isHidden() || !attached()) return;
    refreshChoices();
    applyQuery();
}

void FindBar::refreshChoices() {
    std::vector<Choice> columns{{"All columns", QVariant()}};
    const std::vector<Column>& shown = view_.shownList().columns();
    for (const std::size_t column : view_.findColumns()) {
        columns.push_back({QString::fromUtf8(shown[column].header), QVariant::fromValue(column)});
    }
    // A column of the same header in another view is the same column to the user.
    setChoices(*column_, columns, false);

    const bool bySatellite = view_.satelliteFilterAvailable();
    std::vector<Choice> satellites{{"All", QVariant()}};
    if (bySatellite) {
        for (const SatelliteChoice& choice : view_.satelliteChoices()) {
            satellites.push_back(
                {QString::fromStdString(choice.name), QString::fromStdString(choice.index)});
        }
    }
    setChoices(*satellite_, satellites, true);
    satelliteLabel_->setVisible(bySatellite);
    satellite_->setVisible(bySatellite);

    const bool byType = view_.typeFilterAvailable();
    if (!byType) type_->setCurrentIndex(0);
    typeLabel_->setVisible(byType);
    type_->setVisible(byType);
}

void FindBar::applyQuery() {
    if (isHidden() || !attached()) return;
    FindQuery wanted = query();
    if (wanted != view_.findQuery()) view_.setFindQuery(std::move(wanted));
    showCount();
}

void FindBar::step(bool forward) {
    if (isHidden() || !attached()) return;
    if (forward) {
        view_.findNext();
    } else {
        view_.findPrevious();
    }
    showCount();
}

void FindBar::showCount() {
    if (isHidden() || !attached()) return;
    count_->setText(QString::fromStdString(view_.findCountText()));
}

bool FindBar::attached() const {
    return table_.tableModel()->shown() != nullptr;
}

}  // namespace sky::app
