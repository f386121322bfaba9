#include "ui/journalform.h"

#include "model/colony.h"
#include "model/journal.h"
#include "ui/sidewindow.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>
#include <vector>

// The entries the window lists, newest first, as rows of date, kind and text;
// an entry about a cell is drawn as a link to it.
class TJournalRows : public QAbstractTableModel {
public:
    enum TColumn { jcDate, jcKind, jcText, jcCount };

    explicit TJournalRows(const TJournal& journal, QObject* parent)
        : QAbstractTableModel(parent), journal_(journal) {}

    // Lists these entries of the journal, by their places in it.
    void Show(std::vector<size_t> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    // The entry of a row; none for a row the journal no longer has, which a
    // view may ask for before the window follows a command taken back.
    const TJournalEntry* Entry(const QModelIndex& index) const {
        if (!index.isValid() || index.row() < 0 || static_cast<size_t>(index.row()) >= rows_.size())
            return nullptr;
        const size_t at = rows_[static_cast<size_t>(index.row())];
        return at < journal_.Count() ? &journal_.Entries()[at] : nullptr;
    }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : jcCount;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const TJournalEntry* found = Entry(index);
        if (!found)
            return {};
        const TJournalEntry& entry = *found;
        switch (role) {
        case Qt::DisplayRole:
            if (index.column() == jcDate)
                return DateText(entry.Date);
            if (index.column() == jcKind)
                return JournalKindName(entry.Kind);
            return QString(entry.Text).replace(u'\n', u' ');
        case Qt::ToolTipRole:
            return entry.HasCell()
                       ? entry.Text + QStringLiteral("\n\n") +
                             TJournalForm::tr("Двойной щелчок или Enter: показать на карте")
                       : entry.Text;
        case Qt::ForegroundRole:
            return entry.HasCell() ? QVariant(QColor(GoThereColour)) : QVariant();
        default:
            return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        static const char* const Headers[jcCount] = {QT_TRANSLATE_NOOP("TJournalForm", "Дата"),
                                                     QT_TRANSLATE_NOOP("TJournalForm", "Вид"),
                                                     QT_TRANSLATE_NOOP("TJournalForm", "Запись")};
        return section >= 0 && section < jcCount ? TJournalForm::tr(Headers[section]) : QString();
    }

private:
    const TJournal& journal_;
    std::vector<size_t> rows_;
};

TJournalForm::TJournalForm(const TColony& colony, std::function<void(QPoint)> showCell,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), colony_(colony), showCell_(std::move(showCell)) {
    setWindowTitle(tr("Журнал"));
    setObjectName(QStringLiteral("JournalForm"));
    setFixedSize(600, 440);

    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("Kind"));
    kind_->addItem(tr("Все записи"), -1);
    for (int kind = 0; kind < JournalKindCount; ++kind)
        kind_->addItem(JournalKindName(static_cast<TJournalKind>(kind)), kind);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("Search"));
    search_->setPlaceholderText(tr("слова из текста"));
    search_->setClearButtonEnabled(true);

    rows_ = new TJournalRows(colony_.Journal(), this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("Entries"));
    table_->setModel(rows_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    table_->horizontalHeader()->setHighlightSections(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(TJournalRows::jcDate, 120);
    table_->setColumnWidth(TJournalRows::jcKind, 90);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("Count"));

    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(tr("Показать:"), this));
    filters->addWidget(kind_);
    filters->addSpacing(12);
    filters->addWidget(new QLabel(tr("Найти:"), this));
    filters->addWidget(search_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(table_, 1);
    layout->addWidget(count_);

    connect(kind_, &QComboBox::currentIndexChanged, this, [this] { Refilter(); });
    connect(search_, &QLineEdit::textChanged, this, [this] { Refilter(); });
    connect(table_, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        const TJournalEntry* entry = rows_->Entry(index);
        if (entry && entry->HasCell())
            showCell_(QPoint(entry->Column, entry->Row));
    });
    Refilter();
}

void TJournalForm::Follow() {
    if (colony_.Journal().Changes() != shown_)
        Refilter();
}

void TJournalForm::Refilter() {
    const TJournal& journal = colony_.Journal();
    const std::span<const TJournalEntry> entries = journal.Entries();
    const int kind = kind_->currentData().toInt();
    const QString words = search_->text().trimmed();
    std::vector<size_t> rows;
    for (size_t i = entries.size(); i-- > 0;) {
        const TJournalEntry& entry = entries[i];
        if ((kind < 0 || static_cast<int>(entry.Kind) == kind) &&
            (words.isEmpty() || entry.Text.contains(words, Qt::CaseInsensitive)))
            rows.push_back(i);
    }
    count_->setText(tr("Записей: %1 из %2").arg(rows.size()).arg(entries.size()));
    rows_->Show(std::move(rows));
    shown_ = journal.Changes();
}
