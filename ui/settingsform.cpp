#include "settingsform.h"

#include "model/services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSlider>

namespace {

QCheckBox* AddCheck(QWidget* parent, const QString& name, const QString& text, int top,
                    bool checked, int left = 12) {
    auto* check = new QCheckBox(text, parent);
    check->setObjectName(name);
    check->setGeometry(left, top, 300, 18);
    check->setChecked(checked);
    return check;
}

// A volume from silent to full, with its value in per cent, beside its
// switch and shown only while the switch is on.
QSlider* AddVolume(QWidget* parent, const char* name, int top, QCheckBox* on, int volume) {
    auto* label = new QLabel(TSettingsForm::tr("Громкость"), parent);
    label->setGeometry(32, top, 70, 18);
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setGeometry(104, top, 166, 18);
    slider->setRange(0, TSettings::MaxVolume);
    slider->setPageStep(10);
    auto* value = new QLabel(parent);
    value->setObjectName(QString::fromLatin1(name) + QStringLiteral("Value"));
    value->setGeometry(272, top, 40, 18);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const auto show = [value](int percent) { value->setText(QStringLiteral("%1 %").arg(percent)); };
    QObject::connect(slider, &QSlider::valueChanged, value, show);
    slider->setValue(volume);
    show(volume);
    const auto follow = [label, slider, value](bool enabled) {
        label->setEnabled(enabled);
        slider->setEnabled(enabled);
        value->setEnabled(enabled);
    };
    follow(on->isChecked());
    QObject::connect(on, &QCheckBox::toggled, slider, follow);
    return slider;
}

} // namespace

TSettingsForm::TSettingsForm(QWidget* parent, TWindowServices& services, const TSettings& settings)
    : TGameDialog(parent, tr("Параметры"), QSize(560, 263)), services_(services), given_(settings) {
    cbSound = AddCheck(this, QStringLiteral("cbSound"), tr("Звук"), 10, settings.Sound);
    tbSound = AddVolume(this, "tbSound", 32, cbSound, settings.SoundVolume);
    cbMusic = AddCheck(this, QStringLiteral("cbMusic"), tr("Музыка"), 60, settings.Music);
    tbMusic = AddVolume(this, "tbMusic", 82, cbMusic, settings.MusicVolume);
    cbAutosave = AddCheck(this, QStringLiteral("cbAutosave"),
                          tr("Сохранять игру в начале каждого месяца"), 112, settings.Autosave);
    cbAsk = AddCheck(this, QStringLiteral("cbAsk"),
                     tr("Предлагать сохранить игру, прежде чем её закрыть"), 134,
                     settings.AskBeforeDiscard);
    cbFullScreen = AddCheck(this, QStringLiteral("cbFullScreen"), tr("Полный экран при запуске"),
                            156, settings.FullScreen);

    // The language is taken as the game starts: the texts already shown keep theirs.
    auto* language = new QLabel(tr("Язык"), this);
    language->setGeometry(12, 184, 88, 18);
    cbLanguage = new QComboBox(this);
    cbLanguage->setObjectName(QStringLiteral("cbLanguage"));
    cbLanguage->setGeometry(104, 182, 166, 22);
    // Each language is named in its own words, so that a player lost in
    // the other one finds theirs.
    cbLanguage->addItem(tr("Системный"), static_cast<int>(TLanguage::System));
    for (const TLanguageRow& row : Languages())
        cbLanguage->addItem(QString::fromUtf8(row.NativeName), static_cast<int>(row.Language));
    cbLanguage->setCurrentIndex(cbLanguage->findData(static_cast<int>(settings.Language)));
    language->setBuddy(cbLanguage);
    auto* note = new QLabel(tr("Язык сменится при следующем запуске игры."), this);
    note->setObjectName(QStringLiteral("lbLanguageNote"));
    note->setGeometry(12, 208, 300, 16);

    // Each kind of message in a window, as the game has always shown them,
    // or quietly as a line at the bottom.
    auto* quiet = new QLabel(tr("Без окна, строкой внизу:"), this);
    quiet->setGeometry(332, 10, 220, 18);
    int top = 32;
    for (const TMessageKindRow& row : MessageKinds()) {
        cbQuiet[static_cast<size_t>(row.Kind)] =
            AddCheck(this, QStringLiteral("cbQuiet_") + QLatin1String(row.Key),
                     MessageKindName(row.Kind), top, settings.QuietMessages[row.Kind], 332);
        top += 22;
    }

    AddOkCancel(tr("ОК"), QPoint(392, 234), services_);
}

TSettings TSettingsForm::Settings() const {
    // What the dialog does not show, such as the windows' places, stays.
    TSettings settings = given_;
    settings.Sound = cbSound->isChecked();
    settings.SoundVolume = tbSound->value();
    settings.Music = cbMusic->isChecked();
    settings.MusicVolume = tbMusic->value();
    settings.Autosave = cbAutosave->isChecked();
    settings.AskBeforeDiscard = cbAsk->isChecked();
    settings.FullScreen = cbFullScreen->isChecked();
    settings.Language = static_cast<TLanguage>(cbLanguage->currentData().toInt());
    for (const TMessageKindRow& row : MessageKinds())
        settings.QuietMessages.Set(row.Kind, cbQuiet[static_cast<size_t>(row.Kind)]->isChecked());
    return settings;
}

bool TSettingsForm::ShowModal() {
    return exec() == Accepted;
}
