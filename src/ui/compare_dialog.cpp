#include "ui/compare_dialog.h"

#include "ui/translated_wording.h"
#include "wording/wording.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace wl3::ui {

namespace {

// "Callsign:" and a translation's "Indicatif :" or "呼号：" alike.
QString withoutColon(QString label) {
    while (!label.isEmpty() &&
           (label.back() == u':' || label.back() == u'\uFF1A' || label.back().isSpace())) {
        label.chop(1);
    }
    return label;
}

} // namespace

QString differenceName(const FieldDifference& difference) {
    QString label = withoutColon(translated(fieldNameWording(difference)));
    if (difference.field->isShared()) {
        return label;
    }
    //: A field of the compared configurations: %1 is the profile's tab, %2 the field's label.
    return QCoreApplication::translate("CompareDialog", "%1, %2")
        .arg(formText(kProfileTabTexts[static_cast<std::size_t>(difference.profile)]), label);
}

CompareDialog::CompareDialog(ConfigComparison comparison, const QString& otherName, QWidget* parent)
    : QDialog(parent), comparison_(std::move(comparison)) {
    setObjectName(QStringLiteral("compareDialog"));
    setWindowTitle(tr("Compare"));
    auto* layout = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("compareSummary"));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);

    table_ = new QTableWidget(0, 3, this);
    table_->setObjectName(QStringLiteral("differences"));
    table_->setHorizontalHeaderLabels({tr("Field"), tr("This Form"), otherName});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_);

    auto* buttons = new QDialogButtonBox(this);
    takeRow_ = buttons->addButton(tr("&Take Theirs"), QDialogButtonBox::ActionRole);
    takeRow_->setObjectName(QStringLiteral("takeTheirs"));
    takeAll_ = buttons->addButton(tr("Take &All Theirs"), QDialogButtonBox::ActionRole);
    takeAll_->setObjectName(QStringLiteral("takeAllTheirs"));
    QPushButton* copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyDifferences"));
    buttons->addButton(QDialogButtonBox::Close);
    layout->addWidget(buttons);

    const auto copyTable = [this] { QApplication::clipboard()->setText(tableText()); };
    connect(copy, &QPushButton::clicked, this, copyTable);
    auto* copyKeys = new QAction(this);
    copyKeys->setShortcut(QKeySequence::Copy);
    connect(copyKeys, &QAction::triggered, this, copyTable);
    addAction(copyKeys);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(takeRow_, &QPushButton::clicked, this, [this] {
        const QModelIndexList selected = table_->selectionModel()->selectedRows();
        std::vector<int> rows;
        std::ranges::transform(selected, std::back_inserter(rows),
                               [](const QModelIndex& index) { return index.row(); });
        take(std::move(rows));
    });
    connect(takeAll_, &QPushButton::clicked, this, [this] {
        std::vector<int> rows(static_cast<std::size_t>(table_->rowCount()));
        std::ranges::generate(rows, [row = 0]() mutable { return row++; });
        take(std::move(rows));
    });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CompareDialog::updateSummary);
    fillTable();
    updateSummary();
    resize(sizeHint().expandedTo(QSize(table_->horizontalHeader()->length() + 40, 0)));
}

void CompareDialog::fillTable() {
    table_->setRowCount(static_cast<int>(comparison_.differences.size()));
    int row = 0;
    for (const FieldDifference& difference : comparison_.differences) {
        const QStringList texts{differenceName(difference),
                                translated(fieldValueWording(comparison_.first, difference)),
                                translated(fieldValueWording(comparison_.second, difference))};
        for (int column = 0; column < texts.size(); ++column) {
            table_->setItem(row, column, new QTableWidgetItem(texts[column]));
        }
        ++row;
    }
    table_->resizeColumnsToContents();
}

void CompareDialog::take(std::vector<int> rows) {
    if (rows.empty()) {
        return;
    }
    std::ranges::sort(rows, std::greater<>());
    std::vector<FieldDifference> chosen;
    for (const int row : rows) {
        const auto at = comparison_.differences.begin() + row;
        chosen.insert(chosen.begin(), *at);
        comparison_.differences.erase(at);
        table_->removeRow(row);
    }
    emit taken(chosen);
    updateSummary();
}

void CompareDialog::updateSummary() {
    const auto count = static_cast<int>(comparison_.differences.size());
    if (count > 0) {
        summary_->setText(tr("%n field(s) differ.", nullptr, count));
    } else if (comparison_.storedBytesDiffering > 0) {
        summary_->setText(translated(sameRecordWording(comparison_.storedBytesDiffering)));
    } else {
        summary_->setText(tr("Nothing differs."));
    }
    takeRow_->setEnabled(table_->selectionModel()->hasSelection());
    takeAll_->setEnabled(count > 0);
}

QString CompareDialog::tableText() const {
    QStringList lines;
    for (int row = -1; row < table_->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table_->columnCount(); ++column) {
            cells.append(row < 0 ? table_->horizontalHeaderItem(column)->text()
                                 : table_->item(row, column)->text());
        }
        lines.append(cells.join(u'\t'));
    }
    return lines.join(u'\n') + u'\n';
}

} // namespace wl3::ui
