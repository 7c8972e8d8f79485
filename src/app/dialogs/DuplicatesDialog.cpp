#include "app/dialogs/DuplicatesDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/dialogs/DialogWidgets.h"
#include "app/dialogs/DuplicateGroupsModel.h"
#include "editor/document/ListDocument.h"
#include "editor/duplicates/DuplicateDisplay.h"
#include "editor/duplicates/DuplicateRemoval.h"
#include "editor/view/ListView.h"

namespace sky::app {

namespace {

// Up to this many groups open with their rows shown; more stay folded, each a click away.
constexpr std::size_t kGroupsShownOpen = 1000;

// Rows with room above and below the text, so that the check boxes of one group stand apart.
class SpacedRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), option.fontMetrics.height() + 6));
        return size;
    }
};

QString rowsText(std::size_t rows) {
    return rows == 1 ? QString("1 row") : QString("%1 rows").arg(rows);
}

}  // namespace

DuplicatesDialog::DuplicatesDialog(ListDocument& document, DuplicateSection section,
                                   QWidget* parent)
    : QDialog(parent),
      document_(document),
      sectionList_(named<QComboBox>("section")),
      exactMatch_(named<QRadioButton>("exactMatch")),
      nameMatch_(named<QRadioButton>("nameMatch", "Same Name")),
      groupsView_(named<QTreeView>("groups")),
      model_(new DuplicateGroupsModel(this)),
      count_(named<QLabel>("count")),
      note_(named<QLabel>("note")),
      remove_(named<QPushButton>("remove", "Remove Duplicates")) {
    setWindowTitle("Find Duplicates");
    for (const DuplicateSection each : kDuplicateSections) {
        sectionList_->addItem(duplicateSectionTitle(each));
    }
    sectionList_->setCurrentIndex(static_cast<int>(section));
    exactMatch_->setChecked(true);
    nameMatch_->setToolTip(
        "Channels of one name, without the blanks around it, in any letter case");

    groupsView_->setModel(model_);
    groupsView_->setAccessibleName("Duplicate groups");
    groupsView_->setItemDelegate(new SpacedRows(groupsView_));
    // One height for every row: the view lays out thousands of groups without measuring each.
    groupsView_->setUniformRowHeights(true);
    groupsView_->setAllColumnsShowFocus(true);
    groupsView_->header()->setStretchLastSection(false);
    groupsView_->header()->setSectionResizeMode(DuplicateGroupsModel::NameColumn,
                                                QHeaderView::Stretch);
    groupsView_->setColumnWidth(DuplicateGroupsModel::NumberColumn, 110);
    note_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(remove_, QDialogButtonBox::ActionRole);
    buttons->addButton("Close", QDialogButtonBox::RejectRole)->setObjectName("close");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* choices = new QFormLayout;
    choices->addRow("Section", sectionList_);
    choices->addRow("Duplicates are", sideBySide({exactMatch_, nameMatch_}));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(groupsView_, 1);
    layout->addWidget(count_);
    layout->addWidget(note_);
    layout->addWidget(buttons);
    resize(760, 520);

    connect(sectionList_, &QComboBox::currentIndexChanged, this, [this] { find(); });
    // The two radio buttons toggle together: one call for each change of rule.
    connect(exactMatch_, &QRadioButton::toggled, this, [this] { find(); });
    connect(model_, &DuplicateGroupsModel::choiceChanged, this, [this] { showCount(); });
    connect(remove_, &QPushButton::clicked, this, [this] { removeChosen(); });
    find();
}

DuplicateSection DuplicatesDialog::section() const {
    return kDuplicateSections[std::clamp(sectionList_->currentIndex(), 0, 3)];
}

DuplicateMatch DuplicatesDialog::match() const {
    return nameMatch_->isChecked() ? DuplicateMatch::Name : DuplicateMatch::Exact;
}

void DuplicatesDialog::find(const std::vector<DuplicateGroup>& earlier, bool removed) {
    const DuplicateSection shown = section();
    // Transponders have no names to compare: only the exact rule finds them.
    if (!nameMatchApplies(shown) && nameMatch_->isChecked()) {
        const QSignalBlocker quiet(exactMatch_);
        exactMatch_->setChecked(true);
    }
    nameMatch_->setEnabled(nameMatchApplies(shown));
    exactMatch_->setText(shown == DuplicateSection::Transponder ? "Same Transponder"
                                                                : "Same Channel");
    note_->setText(removalNote(shown));

    std::vector<DuplicateGroup> found = findDuplicates(document_.tokens(), shown, match());
    keepChoices(earlier, removed, found);
    model_->setGroups(std::move(found));
    const int groups = model_->rowCount();
    for (int group = 0; group < groups; ++group) {
        groupsView_->setFirstColumnSpanned(group, QModelIndex(), true);
    }
    if (model_->groups().size() <= kGroupsShownOpen) groupsView_->expandAll();
    showCount();
}

void DuplicatesDialog::showCount() {
    const std::vector<DuplicateGroup>& groups = model_->groups();
    count_->setText(QString::fromStdString(duplicateCountText(groups)));
    remove_->setEnabled(std::any_of(groups.begin(), groups.end(),
                                    [](const DuplicateGroup& group) { return group.chosen; }));
}

void DuplicatesDialog::removeChosen() {
    const std::vector<DuplicateGroup> chosen = model_->groups();
    const std::size_t removed = removeDuplicates(document_, chosen);
    // The list has changed (or was found changed): its groups are found again, and those left
    // keep the choices made for them.
    find(chosen, removed > 0);
    if (removed > 0) count_->setText(rowsText(removed) + " removed. " + count_->text());
}

void runDuplicatesDialog(ListDocument& document, const ListView& view, QWidget* parent) {
    DuplicatesDialog dialog(document, duplicateSectionShown(view.viewKind(), view.digitalFlag()),
                            parent);
    dialog.exec();
}

}  // namespace sky::app
