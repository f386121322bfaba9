#include "scenarioform.h"

#include "land/scenarioland.h"
#include "ui/newislandform.h"
#include "ui/smallcontrols.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <algorithm>
#include <utility>

namespace {

QLabel* AddText(QWidget* parent, const char* name, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

TScenarioForm::TScenarioForm(QWidget* parent, TWindowServices& services,
                             const TBaseTypeList& catalogue, const TEventTypeList& events,
                             const QString& dataFolder, const QString& saveFolder,
                             const TRecords& records)
    : TGameDialog(parent, tr("Новая игра по сценарию"), QSize(600, 330)),
      services_(services), mapFolders_{dataFolder, saveFolder}, records_(records) {
    auto* caption = new QLabel(tr("Сценарии:"), this);
    caption->setGeometry(8, 8, 180, 16);
    lbScenarios = new QListWidget(this);
    lbScenarios->setObjectName(QStringLiteral("lbScenarios"));
    lbScenarios->setGeometry(8, 26, 180, 264);
    for (const QString& path : ScenarioFiles(dataFolder, saveFolder)) {
        const QFileInfo file(path);
        TEntry entry;
        try {
            entry.Scenario =
                LoadScenario(file.completeBaseName(), catalogue, events, dataFolder, saveFolder);
        } catch (const TGameError& error) {
            entry.Error = error.Text();
            entry.FileName = file.fileName();
        }
        entries_.push_back(std::move(entry));
    }
    // The easiest first, so that a newcomer finds the tutorial at the top;
    // the files that do not read last.
    std::ranges::stable_sort(entries_, [](const TEntry& a, const TEntry& b) {
        const auto key = [](const TEntry& e) {
            return std::pair(e.Scenario ? static_cast<int>(e.Scenario->Difficulty)
                                        : DifficultyCount,
                             e.Scenario ? e.Scenario->Title : QString());
        };
        return key(a) < key(b);
    });
    for (const TEntry& entry : entries_)
        new QListWidgetItem(entry.Scenario ? entry.Scenario->Title
                                           : tr("%1 (не читается)").arg(entry.FileName),
                            lbScenarios);

    TGameDialog::LoweredPanel(this, QRect(QPoint(196, 8), LandPreviewSize + QSize(4, 4)));
    pcPreview = AddText(this, "pcPreview", QRect(QPoint(198, 10), LandPreviewSize));
    pcPreview->setAlignment(Qt::AlignCenter);
    lbTitle = AddText(this, "lbTitle", QRect(418, 8, 174, 32));
    QFont bold = lbTitle->font();
    bold.setBold(true);
    lbTitle->setFont(bold);
    lbDifficulty = AddText(this, "lbDifficulty", QRect(418, 42, 174, 30));
    lbRecord = AddText(this, "lbRecord", QRect(418, 78, 174, 144));
    lbDescription = AddText(this, "lbDescription", QRect(196, 230, 396, 60));

    auto* levelCaption = new QLabel(tr("Сложность:"), this);
    levelCaption->setGeometry(8, 301, 66, 18);
    auto* levels = new QButtonGroup(this);
    for (int i = 0; i < DifficultyCount; ++i) {
        const auto level = static_cast<TDifficulty>(i);
        auto* button = new QRadioButton(DifficultyName(level), this);
        button->setObjectName(QStringLiteral("rb") + QString::fromLatin1(DifficultyWord(level)));
        button->setGeometry(74 + 80 * i, 301, 78, 18);
        levels->addButton(button, i);
        rbDifficulty[i] = button;
    }
    rbDifficulty[static_cast<int>(TDifficulty::Normal)]->setChecked(true);

    btOk = AddOkCancel(tr("Начать"), QPoint(438, 300), services_);

    connect(levels, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            ShowRecord();
    });
    lbScenarios->setCurrentRow(0);
    ChoiceChanged();
    connect(lbScenarios, &QListWidget::currentRowChanged, this, [this] { ChoiceChanged(); });
}

const TScenarioForm::TEntry* TScenarioForm::Current() const {
    const int row = lbScenarios->currentRow();
    return row >= 0 && row < static_cast<int>(entries_.size()) ? &entries_[row] : nullptr;
}

std::shared_ptr<const TScenario> TScenarioForm::Choice() const {
    const TEntry* entry = Current();
    return entry ? entry->Scenario : nullptr;
}

TDifficulty TScenarioForm::Difficulty() const {
    for (int i = 0; i < DifficultyCount; ++i)
        if (rbDifficulty[i]->isChecked())
            return static_cast<TDifficulty>(i);
    return TDifficulty::Normal;
}

void TScenarioForm::ChoiceChanged() {
    const TEntry* entry = Current();
    const TScenario* scenario = entry ? entry->Scenario.get() : nullptr;
    btOk->setEnabled(scenario != nullptr);
    for (QRadioButton* button : rbDifficulty)
        button->setEnabled(scenario && !scenario->FixedDifficulty);
    pcPreview->clear();
    if (!entry) {
        for (QLabel* label : {lbTitle, lbDifficulty, lbRecord, lbDescription})
            label->clear();
        pcPreview->setText(tr("Сценариев нет."));
        return;
    }
    if (!scenario) {
        lbTitle->setText(lbScenarios->currentItem()->text());
        lbDifficulty->clear();
        lbRecord->clear();
        lbDescription->setText(entry->Error);
        pcPreview->setText(tr("Этот сценарий не удаётся прочитать."));
        return;
    }
    rbDifficulty[static_cast<int>(scenario->Difficulty)]->setChecked(true);
    lbTitle->setText(scenario->Title);
    lbDifficulty->setText(tr("Сложность: %1").arg(DifficultyName(scenario->Difficulty)) +
                          (scenario->FixedDifficulty ? tr(", другой нет") : QString()));
    lbDescription->setText(scenario->Description);
    if (!entry->Drawn) {
        try {
            entry->Preview = DrawLandPreview(ScenarioLand(*scenario), mapFolders_);
        } catch (const TGameError&) {
            entry->Preview = QImage();
        }
        entry->Drawn = true;
    }
    if (entry->Preview.isNull())
        pcPreview->setText(tr("Эту карту не удаётся прочитать."));
    else
        pcPreview->setPixmap(QPixmap::fromImage(entry->Preview));
    ShowRecord();
}

void TScenarioForm::ShowRecord() {
    const TScenario* scenario = Choice().get();
    if (!scenario)
        return;
    const TScenarioResult* best = records_.Best(scenario->Name, Difficulty());
    lbRecord->setText(
        best ? tr("Лучший результат:\n%1\n%2").arg(ResultText(*best), MedalName(best->Medal))
             : tr("На этой сложности ещё не пройден."));
}

bool TScenarioForm::ShowModal() {
    return exec() == Accepted && Choice() != nullptr;
}
