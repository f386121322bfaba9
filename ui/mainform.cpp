#include "mainform.h"

#include "base/crashguard.h"
#include "land/scenarioland.h"
#include "map/mapview.h"
#include "map/overlaylegend.h"
#include "map/placebox.h"
#include "map/plan.h"
#include "map/zoombadge.h"
#include "model/datatexts.h"
#include "model/describe.h"
#include "model/gamedate.h"
#include "model/messages.h"
#include "model/playercommands.h"
#include "model/random.h"
#include "model/records.h"
#include "model/taxes.h"
#include "resources/datamodule.h"
#include "ui/aboutform.h"
#include "ui/advisorform.h"
#include "ui/application.h"
#include "ui/dialogpointer.h"
#include "ui/filedialog.h"
#include "ui/gamedialog.h"
#include "ui/goalsform.h"
#include "ui/guide.h"
#include "ui/helloform.h"
#include "ui/helpwindow.h"
#include "ui/infoform.h"
#include "ui/islandeditor.h"
#include "ui/journalform.h"
#include "ui/keygroup.h"
#include "ui/links.h"
#include "ui/marketform.h"
#include "ui/menukeys.h"
#include "ui/menus.h"
#include "ui/nalogform.h"
#include "ui/newislandform.h"
#include "ui/ordersform.h"
#include "ui/replayform.h"
#include "ui/scenarioendform.h"
#include "ui/scenarioform.h"
#include "ui/seasonform.h"
#include "ui/settingsform.h"
#include "ui/sidewindow.h"
#include "ui/smallcontrols.h"
#include "ui/statisticsform.h"
#include "ui/statuswidgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>
#include <tuple>

namespace {

// The size of the window's client area and of the panel inside it.
constexpr QSize ClientSize(770, 502);
constexpr QRect ClientPanel(8, 8, 754, 486);
// The map view's and the overview's colour: money green.
const QColor MoneyGreen(192, 220, 192);
const QColor TextColor(230, 230, 210);

// The advisor's pictures: with warnings, and with none.
constexpr int AdvicePicture = 27;
constexpr int AdviceQuietPicture = 28;

// Goods labels' tops in the status panel, from gold to electricity.
constexpr int GoodsLabelTops[GoodsCount] = {222, 247, 274, 297, 322, 347, 372, 399, 422};

// A hint as a tooltip shows it. A hint that Qt would take for markup, or
// with line ends, becomes rich text that breaks only at its line ends (Qt
// would otherwise wrap it into a narrow box); the rest stays plain text.
// Hints have no blank lines, which Qt's conversion would make paragraphs.
QString HintHtml(const QString& hint) {
    if (!Qt::mightBeRichText(hint) && !hint.contains(u'\n'))
        return hint;
    return Qt::convertFromPlainText(hint, Qt::WhiteSpacePre);
}

// How long a hint stays up, in milliseconds.
constexpr int HintDuration = 10000;

void SetHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(HintHtml(hint));
    widget->setToolTipDuration(HintDuration);
}

QLabel* AddLabel(QWidget* parent, const QRect& geometry, Qt::Alignment alignment,
                 const QString& text = QString(), const QString& hint = QString()) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setText(text);
    if (!hint.isEmpty())
        SetHint(label, hint);
    return label;
}

} // namespace

// Shows a window of the game's own, made when first opened and placed where
// the player last put it or beside the game, and brings it to the front.
template <typename TForm, typename TMake>
TForm& TMainForm::OpenBeside(TForm*& form, std::optional<QPoint> TSettings::*place, TMake make) {
    if (!form) {
        form = make();
        const QWidget* const others[] = {statistics_, goals_, journal_, advisor_};
        PlaceSideWindow(*form, *this, others, settings_.*place, [this, place](QPoint at) {
            settings_.*place = at;
            SaveSettings();
        });
        // Escape closes it, as it does a dialog.
        auto* close = new QAction(form);
        close->setShortcut(QKeySequence(Qt::Key_Escape));
        QObject::connect(close, &QAction::triggered, form, &QWidget::close);
        form->addAction(close);
    }
    form->show();
    form->raise();
    form->activateWindow();
    return *form;
}

namespace {

// A figure of the status panel whose right edge stays at 209.
TPanelText* AddRightFigure(TStatusPanel& panel, int top, const QString& hint) {
    return panel.AddText(QRect(113, top, 96, 14), Qt::AlignRight | Qt::AlignTop, HintHtml(hint));
}

} // namespace

TMainForm::TMainForm(const TDM& images, const QString& folder, const TMapSource& map)
    : images_(images), folder_(folder), music_(std::make_unique<TMusicPlayer>()),
      settings_(TSettings::Load()) {
    SetSoundPlayer(std::make_unique<TSoundPlayer>());
    sounds_->SetVolume(settings_.SoundVolume);
    setWindowTitle(tr("Тарвения"));
    CreateMenu();
    CreateControls();

    earth_.LoadEarth(map, MapFolders());
    pb1->Initialize(MapCols, MapRows, CellSize, CellSize);

    LoadBaseTypes(catalogue_, folder_);
    LoadEventTypes(events_, folder_);
    TranslateDataTexts(DataTexts(catalogue_));
    TranslateDataTexts(DataTexts(events_));
    if (catalogue_.empty())
        throw TGameError(tr("В файле %1 нет ни одного типа строений.")
                             .arg(QDir(folder_).filePath(QStringLiteral("BASES.INI"))));
    CreatePalette();

    mapView_ = std::make_unique<TMapView>(*pb1, earth_, images_);
    mapView_->AttachPlan(*Plan);
    // The colony starts with a new game of its own: show it instead of
    // replacing it by another one at once.
    pacer_.OnFrame = [this] { ShowDueState(); };
    adviceForecast_ = new TAdviceForecast(this);
    connect(adviceForecast_, &TAdviceForecast::Played, this, [this] { FollowAdvice(); });
    colony_ = std::make_unique<TColony>(catalogue_, events_, earth_.Grid, *this,
                                        earth_.StartCell.x(), earth_.StartCell.y());
    colony_->SeedGame(std::nullopt);
    ShowUndoSteps();
    session_ = std::make_unique<TSession>(
        *colony_, [this] { return SavedGame(); }, [this] { return earth_.Source().Title(); }, *this,
        SaveFolder());
    session_->Options = {settings_.AskBeforeDiscard, settings_.Autosave};
    colony_->SetQuietMessages(settings_.QuietMessages);
    colony_->SetAdviceStops(settings_.AdviceStops);
    ShowNewGame();
    ShowGameState();
    DrawPlanBack();
    pb1->setFocus();
}

TMainForm::~TMainForm() {
    // The forecasts of the statistics window and the advisor stop before
    // the catalogue they play with goes; the view lets go of the colony
    // before the colony, the events and the catalogue go, in that order.
    delete statistics_;
    delete adviceForecast_;
    mapView_.reset();
    colony_.reset();
}

TSavedGame TMainForm::SavedGame() const {
    // Zoomed far out the view starts before the world's edge; the save
    // keeps the corner of the world it shows from.
    const QPoint view(std::max(pb1->Screen().x(), 0), std::max(pb1->Screen().y(), 0));
    return SavedGameOf(*colony_, earth_.SavedLand(), view, miSound->isChecked());
}

void TMainForm::GuardCrashes() {
    CrashGuard::Install(session_->Folder());
    crashGuarded_ = true;
    KeepForCrash();
}

void TMainForm::KeepForCrash() {
    if (!crashGuarded_ || colony_->Revision() == crashRevision_)
        return;
    crashRevision_ = colony_->Revision();
    ::KeepForCrash(SavedGame());
}

void TMainForm::SetSoundPlayer(std::unique_ptr<TSoundPlayer> player) {
    sounds_ = std::move(player);
    // Told after the command that played it has shown its own status.
    sounds_->OnProblem = [this](const QString& text) {
        QTimer::singleShot(0, this, [this, text] { ShowStatus(text); });
    };
}

bool TMainForm::OfferCrashSave() {
    const QDir folder(session_->Folder());
    const QFileInfo save(folder.filePath(QLatin1String(CrashGuard::SaveName)));
    const QFileInfo log(folder.filePath(QLatin1String(CrashGuard::LogName)));
    if (!save.isFile() || !log.isFile())
        return false;
    const QString written = log.lastModified().toUTC().toString(Qt::ISODateWithMs);
    if (written == settings_.CrashSeen)
        return false;
    settings_.CrashSeen = written;
    SaveSettings();
    return Ask(this,
               tr("В прошлый раз игра прервалась из-за сбоя. Загрузить колонию, какой она "
                  "была перед сбоем?\n\nЧтобы сообщить о сбое, приложите к письму два "
                  "файла:\n%1\n%2")
                   .arg(QDir::toNativeSeparators(save.absoluteFilePath()),
                        QDir::toNativeSeparators(log.absoluteFilePath())),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes &&
           LoadFrom(save.absoluteFilePath());
}

bool TMainForm::ShowHello() {
    if (OfferCrashSave())
        return true;
    const QString latest = session_->LatestPlayable(SaveFolder());
    // The tutorial is offered until the player has won it once, at any level.
    const TRecords records = TRecords::Load();
    bool tutorial = !FindScenarioFile(TutorialName, folder_, SaveFolder()).isEmpty();
    for (int level = 0; level < DifficultyCount; ++level)
        tutorial = tutorial && !records.Best(TutorialName, static_cast<TDifficulty>(level));
    THelloForm hello(nullptr, *this, QFileInfo(latest).fileName(),
                     latest.isEmpty() ? QString() : session_->SaveDate(latest), tutorial);
    const THelloForm::TChoice choice = hello.ShowHello();
    // A save or a scenario that cannot be loaded is explained; the new game
    // goes on.
    switch (choice) {
    case THelloForm::hcLoad:
        LoadFrom(latest);
        break;
    case THelloForm::hcTutorial:
        try {
            const auto scenario =
                LoadScenario(TutorialName, catalogue_, events_, folder_, SaveFolder());
            NewGameOn(ScenarioLand(*scenario), {scenario, scenario->Difficulty});
        } catch (const TGameError& error) {
            TApplication::ShowError(error.Text());
        }
        break;
    case THelloForm::hcScenario:
        miNewScenarioClick();
        break;
    default:
        break;
    }
    return choice != THelloForm::hcExit;
}

void TMainForm::CreateMenu() {
    const std::pair<TMenuItem, std::function<void()>> commands[] = {
        {TMenuItem::New, [this] { miNewClick(); }},
        {TMenuItem::NewIsland, [this] { miNewIslandClick(); }},
        {TMenuItem::NewScenario, [this] { miNewScenarioClick(); }},
        {TMenuItem::Load, [this] { miLoadClick(); }},
        {TMenuItem::Save, [this] { miSaveClick(); }},
        {TMenuItem::SaveAs, [this] { miSaveAsClick(); }},
        {TMenuItem::PlayOn, [this] { miPlayOnClick(); }},
        {TMenuItem::Undo, [this] { miUndoClick(); }},
        {TMenuItem::Redo, [this] { miRedoClick(); }},
        {TMenuItem::Exit, [this] { close(); }},
        {TMenuItem::FullScreen, [this] { miFullScreenClick(); }},
        {TMenuItem::ZoomIn, [this] { StepZoom(1); }},
        {TMenuItem::ZoomOut, [this] { StepZoom(-1); }},
        {TMenuItem::ActualSize, [this] { ActualSize(); }},
        {TMenuItem::Statistics, [this] { OpenStatistics(); }},
        {TMenuItem::Goals, [this] { OpenGoals(); }},
        {TMenuItem::Journal, [this] { OpenJournal(); }},
        {TMenuItem::Advisor, [this] { OpenAdvisor(); }},
        {TMenuItem::Orders, [this] { miOrdersClick(); }},
        {TMenuItem::Replay, [this] { miReplayClick(); }},
        {TMenuItem::IslandEditor, [this] { OpenEditor(); }},
        {TMenuItem::Parameters, [this] { miParametersClick(); }},
        {TMenuItem::Help, [this] { miHelpClick(); }},
        {TMenuItem::About, [this] { miAboutClick(); }},
    };
    const std::pair<TMenuItem, QAction**> kept[] = {
        {TMenuItem::Undo, &miUndo},
        {TMenuItem::Redo, &miRedo},
        {TMenuItem::Sound, &miSound},
        {TMenuItem::Music, &miMusic},
        {TMenuItem::FullScreen, &miFullScreen},
    };
    // The map's overlays, one at a time.
    auto* overlayGroup = new QActionGroup(this);
    QMenu* menu = nullptr;
    for (const TMenuEntry& entry : MenuEntries) {
        const QString title = QCoreApplication::translate("Menus", entry.Menu);
        if (!menu || menu->title() != title)
            menu = menuBar()->addMenu(title);
        else if (entry.SeparatorBefore)
            menu->addSeparator();
        QAction* action = menu->addAction(QCoreApplication::translate("Menus", entry.Caption));
        action->setShortcut(QKeySequence(QString::fromLatin1(entry.Shortcut)));
        action->setCheckable(entry.Checkable);
        for (const auto& [item, command] : commands)
            if (item == entry.Item)
                connect(action, &QAction::triggered, this, command);
        for (const auto& [item, pointer] : kept)
            if (item == entry.Item)
                *pointer = action;
        if (entry.Item == TMenuItem::Overlay) {
            overlayGroup->addAction(action);
            action->setChecked(entry.Overlay == TOverlay::None);
            connect(action, &QAction::triggered, this,
                    [this, overlay = entry.Overlay] { ShowOverlay(overlay); });
        }
    }
    AnswerMnemonicsOnEitherLayout(*menuBar());
    // The switches are the player's settings: kept as they are changed.
    miSound->setChecked(settings_.Sound);
    miMusic->setChecked(settings_.Music);
    connect(miSound, &QAction::toggled, this, [this](bool on) {
        settings_.Sound = on;
        SaveSettings();
    });
    connect(miMusic, &QAction::toggled, this, [this](bool on) {
        settings_.Music = on;
        SaveSettings();
        if (isVisible())
            music_->SetPlaying(on);
    });
}

void TMainForm::AddCommandButton(const TPlayerCommand& command) {
    auto* button = new TvtPic(pnClient);
    button->setObjectName(QString::fromLatin1(command.Name));
    button->setGeometry(QRect(command.ButtonAt, QSize(25, 25)));
    button->SetImages(&images_.imlTools);
    button->SetImageIndex(command.Picture);
    button->setCursor(Qt::PointingHandCursor);
    SetHint(button, command.HintText());
    button->setAccessibleName(command.Caption());
    button->OnClick = [this, &command] { Play([this, &command] { command.Run(*colony_); }); };
    client_->Anchor(button, akTopRight);
    commandButtons_.push_back(button);
}

void TMainForm::CreateControls() {
    auto* central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette palette = central->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, TextColor);
    central->setPalette(palette);
    central->installEventFilter(this);
    setCentralWidget(central);

    client_ = new TAnchorPanel(central);
    pnClient = client_;
    pnClient->setObjectName(QStringLiteral("pnClient"));
    pnClient->setGeometry(ClientPanel);

    pb1 = new TvtPlaceBox(pnClient);
    pb1->setObjectName(QStringLiteral("pb1"));
    pb1->setGeometry(0, 96, 537, 369);
    pb1->ArrowsDragInterval = 12;
    pb1->MouseDrag = true;
    pb1->setFocusPolicy(Qt::StrongFocus);
    pb1->setAccessibleName(QCoreApplication::translate("ScreenReader", "Карта"));
    QPalette green = pb1->palette();
    green.setColor(QPalette::Window, MoneyGreen);
    pb1->setPalette(green);
    client_->Anchor(pb1, akAll);
    // The zoom is told on the status line, over the view's corner while it
    // is not today's size, and to a screen reader.
    pb1->OnZoom = [this] {
        TZoomBadge::Follow(ZoomBadge, *pb1, pb1->Zoom(), [this] { ActualSize(); });
        ShowStatus(TZoomBadge::ZoomText(pb1->Zoom()));
    };
    pb1->OnMouseDown = [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint world) {
        colony_->MouseDown(button == Qt::LeftButton, world.x(), world.y());
    };
    pb1->OnMouseMove = [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPoint world) {
        colony_->MouseMove(world.x(), world.y());
    };
    pb1->OnMouseUp = [this](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) { colony_->MouseUp(); };
    pb1->OnKeyDown = [this](QKeyEvent& event) {
        switch (event.key()) {
        case Qt::Key_Left:
            colony_->ArrowKey(TColony::TArrow::Left);
            return;
        case Qt::Key_Up:
            colony_->ArrowKey(TColony::TArrow::Up);
            return;
        case Qt::Key_Right:
            colony_->ArrowKey(TColony::TArrow::Right);
            return;
        case Qt::Key_Down:
            colony_->ArrowKey(TColony::TArrow::Down);
            return;
        default:
            break;
        }
        // A letter held with Ctrl, Alt or Meta is the menus' (their mnemonics
        // and shortcuts), never a command's.
        if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return;
        const QString text = event.text();
        bool used = false;
        if (text.size() == 1)
            Play([this, &used, &text] { used = colony_->KeyPress(text.front()); });
        if (used)
            event.accept();
    };

    // Each command's button, with its place, picture, hint and action from
    // the commands' own table.
    for (const TPlayerCommand& command : PlayerCommands())
        AddCommandButton(command);
    // Right-aligned at 505 like the buttons; a longer date grows to the left.
    lbDate = AddLabel(pnClient, QRect(385, 38, 120, 14), Qt::AlignRight, DateText(TGameDate{}),
                      tr("Дата"));
    lbDate->setObjectName(QStringLiteral("lbDate"));
    client_->Anchor(lbDate, akTopRight);

    lbStatus = AddLabel(pnClient, QRect(0, 472, 537, 14), Qt::AlignLeft, tr("Строка статуса"));
    lbStatus->setObjectName(QStringLiteral("lbStatus"));
    lbStatus->setAccessibleDescription(
        QCoreApplication::translate("ScreenReader", "Строка статуса"));
    client_->Anchor(lbStatus, akBottomLeft);

    auto* lbGoToSite = new TvtGyperLabel(QString::fromLatin1(TAboutForm::WebAddress), pnClient);
    lbGoToSite->setObjectName(QStringLiteral("lbGoToSite"));
    lbGoToSite->setGeometry(544, 452, 126, 13);
    SetHint(lbGoToSite, tr("Получить новейшую версию"));
    lbGoToSite->OnClick = [this, lbGoToSite] { OpenLink(this, lbGoToSite->text()); };
    client_->Anchor(lbGoToSite, akTopRight);

    CreateStatusPanel();
    guide_ = new TGuide(*pnClient, *pb1);
    // The window opens at today's size and grows as the player likes: the
    // map view takes the room, the panels keep their places at its edges.
    central->setMinimumSize(ClientSize);
    central->resize(ClientSize);
    LayOutClient();
}

void TMainForm::CreateStatusPanel() {
    // The goods' and the people's pictures and the figures are painted by
    // the panel itself.
    auto* panel = new TStatusPanel(pnClient);
    panel->setToolTipDuration(HintDuration);
    pnRight = panel;
    pnRight->setObjectName(QStringLiteral("pnRight"));
    pnRight->setGeometry(544, 0, 210, 441);
    client_->Anchor(pnRight, akTopRight);

    Plan = new TvtPlan(pnRight);
    Plan->setObjectName(QStringLiteral("Plan"));
    Plan->setAccessibleName(QCoreApplication::translate("ScreenReader", "Обзорная карта"));
    Plan->setGeometry(0, 0, 210, 210);
    Plan->SetColor(MoneyGreen);
    Plan->SetScreenColor(QColor(0, 0, 128));
    Plan->SetPlaceBox(pb1);

    for (int good = 0; good < GoodsCount; ++good) {
        const QString hint = HintHtml(GoodName(good));
        panel->AddPicture(QPoint(0, 216 + 25 * good), images_.imlTools, good, hint);
        lbGoods[good] = panel->AddText(QRect(27, GoodsLabelTops[good], 48, 14),
                                       Qt::AlignRight | Qt::AlignTop, hint);
    }

    pcSeason = new TvtPic(pnRight);
    pcSeason->setObjectName(QStringLiteral("pcSeason"));
    pcSeason->setGeometry(89, 216, 121, 57);
    pcSeason->SetImages(&images_.imlSeasons);

    pc1 = new TvtPic(pnRight);
    pc1->setObjectName(QStringLiteral("pc1"));
    pc1->setGeometry(88, 280, 25, 25);
    pc1->SetImages(&images_.imlTools);
    pc1->SetImageIndex(17);
    SetHint(pc1, tr("Деньги"));
    pc1->installEventFilter(this);
    lbMoney = AddRightFigure(*panel, 286, tr("Деньги"));

    panel->AddPicture(QPoint(88, 305), images_.imlTools, 18, HintHtml(tr("Количество людей")));
    lbPeople = AddRightFigure(*panel, 311, tr("Количество людей"));

    pbHealth = new THealthBar(pnRight);
    pbHealth->setObjectName(QStringLiteral("pbHealth"));
    pbHealth->setGeometry(88, 341, 122, 6);

    struct TFigure {
        const char* caption;
        int top;
        const char* hint;
        TPanelText** figure;
    };
    const TFigure figures[] = {
        {QT_TRANSLATE_NOOP("TMainForm", "Жилье"), 352, QT_TRANSLATE_NOOP("TMainForm", "Жилье"),
         &lbHomePlaces},
        {QT_TRANSLATE_NOOP("TMainForm", "Рабочие места"), 368,
         QT_TRANSLATE_NOOP("TMainForm", "Количество рабочих мест"), &lbWorkPlaces},
        {QT_TRANSLATE_NOOP("TMainForm", "Не работают"), 384,
         QT_TRANSLATE_NOOP("TMainForm", "Количество незанятых людей"), &lbFreePeople},
    };
    for (const TFigure& f : figures) {
        const QString hint = tr(f.hint);
        panel->AddText(QRect(88, f.top, 90, 14), Qt::AlignLeft | Qt::AlignTop, HintHtml(hint))
            ->setText(tr(f.caption));
        *f.figure = AddRightFigure(*panel, f.top, hint);
    }

    // The advisor: its picture lights up while it has warnings; a click
    // opens its window.
    const QString adviceHint = tr("Советник: что скоро потребует внимания. Щелчок открывает его");
    pcAdvice = new TvtPic(pnRight);
    pcAdvice->setObjectName(QStringLiteral("pcAdvice"));
    pcAdvice->setGeometry(88, 408, 25, 25);
    pcAdvice->SetImages(&images_.imlTools);
    pcAdvice->SetImageIndex(AdviceQuietPicture);
    pcAdvice->setCursor(Qt::PointingHandCursor);
    pcAdvice->setAccessibleName(tr("Советник"));
    SetHint(pcAdvice, adviceHint);
    pcAdvice->OnClick = [this] { OpenAdvisor(); };
    lbAdvice = AddRightFigure(*panel, 414, adviceHint);
}

QPoint TMainForm::PalettePosition(int index) {
    // Eleven buttons a row; every later one continues the second row.
    return index <= 10 ? QPoint(32 * index, 0) : QPoint(32 * (index - 11), 32);
}

void TMainForm::CreatePalette() {
    for (size_t i = 0; i < catalogue_.size(); ++i) {
        const TBaseType& type = catalogue_[i];
        auto* button = new TvtPic(pnClient);
        button->setGeometry(QRect(PalettePosition(static_cast<int>(i)), QSize(25, 25)));
        button->setCursor(Qt::PointingHandCursor);
        button->SetImages(&images_.imlBases);
        button->SetImageIndex(type.ImageIndex);
        // A building type's hint is long: it is composed when first shown.
        button->OnHint = [&type] { return HintHtml(BaseHint(type)); };
        button->setToolTipDuration(HintDuration);
        button->setAccessibleName(type.Caption);
        button->OnClick = [this, &type] { Play([this, &type] { colony_->Build(type); }); };
        paletteButtons.push_back(button);
    }
    CreateKeyGroups();
}

void TMainForm::CreateKeyGroups() {
    // Tab goes from the map view to the palette, the command buttons and the
    // link, each group one stop; Escape from a group goes back to the map.
    // Qt orders only controls that take the keyboard: the groups choose
    // their stops after.
    std::vector<QWidget*> palette(paletteButtons.begin(), paletteButtons.end());
    std::vector<QWidget*> chain{pb1};
    chain.insert(chain.end(), palette.begin(), palette.end());
    chain.insert(chain.end(), commandButtons_.begin(), commandButtons_.end());
    chain.push_back(pnClient->findChild<QWidget*>(QStringLiteral("lbGoToSite")));
    for (size_t i = 1; i < chain.size(); ++i) {
        chain[i]->setFocusPolicy(Qt::TabFocus);
        setTabOrder(chain[i - 1], chain[i]);
    }
    new TKeyGroup(palette, *pb1, this);
    new TKeyGroup(commandButtons_, *pb1, this);
}

void TMainForm::LayOutClient() {
    QWidget* central = centralWidget();
    const bool full = miFullScreen->isChecked();
    const int w = central->width();
    const int h = central->height();
    // In full screen the status panel keeps a margin from the screen's edge
    // as it has from the window's frame.
    if (full)
        pnClient->setGeometry(0, 8, w - 8, h - 8);
    else
        pnClient->setGeometry(8, 8, w - 16, h - 16);
    central->update();
}

void TMainForm::PaintFrame() {
    if (miFullScreen->isChecked())
        return;
    QWidget* central = centralWidget();
    const int w = central->width();
    const int h = central->height();
    // One-pixel lines around the client panel, lit from the bottom right;
    // each drawn over the one before, so the corners are as they have always been.
    const std::pair<QRect, QColor> lines[] = {
        {QRect(0, 0, w, 1), Qt::gray},      // top
        {QRect(w - 1, 0, 1, h), Qt::white}, // right
        {QRect(0, h - 1, w, 1), Qt::white}, // bottom
        {QRect(0, 0, 1, h), Qt::gray},      // left
    };
    QPainter painter(central);
    for (const auto& [line, colour] : lines)
        painter.fillRect(line, colour);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        LayOutClient();
    } else if (watched == centralWidget() && event->type() == QEvent::Paint) {
        PaintFrame(); // over the black background, before the panels
    } else if (watched == pc1 && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        Play([this, mouse] {
            colony_->MoneyGesture(mouse->button() == Qt::RightButton,
                                  mouse->modifiers() & Qt::ControlModifier);
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // A run ends with its day; the window closes after it.
    if (pacer_.Running()) {
        pacer_.Stop();
        closeAfterRun_ = true;
        event->ignore();
        return;
    }
    // The editor's land is asked about first: it goes with the window.
    const bool keep =
        (!editor_ || !editor_->isVisible() || editor_->close()) && session_->KeepGame();
    event->setAccepted(keep);
    if (!keep || !isVisible())
        return;
    // The window comes back next time as the player leaves it.
    const bool full = miFullScreen->isChecked();
    const QRect normal = full ? savedBounds_ : isMaximized() ? normalGeometry() : geometry();
    settings_.Maximised = !full && isMaximized();
    settings_.WindowAt = normal.topLeft();
    settings_.WindowSize = normal.size();
    SaveSettings();
}

QPointF TMainForm::ZoomAnchor() const {
    const QPoint cell(colony_->SelectedColumn(), colony_->SelectedRow());
    const QPoint centre = cell * CellSize + QPoint(CellSize / 2, CellSize / 2);
    return pb1->ScreenRect().contains(centre)
               ? QPointF(centre) * pb1->Zoom() - QPointF(pb1->DeviceOrigin())
               : QRectF(pb1->rect()).center();
}

void TMainForm::StepZoom(int steps) {
    pb1->StepZoom(steps, ZoomAnchor());
}

void TMainForm::ActualSize() {
    pb1->SetZoom(1, ZoomAnchor());
}

void TMainForm::PlaceWindow() {
    layout()->activate();
    const QSize least = minimumSize();
    const QScreen* kept =
        settings_.WindowAt
            ? QGuiApplication::screenAt(
                  QRect(*settings_.WindowAt, settings_.WindowSize.value_or(least)).center())
            : nullptr;
    const QScreen* on = kept ? kept : QGuiApplication::primaryScreen();
    if (!on)
        return;
    // The frame round the window, once the window is shown, takes its room
    // on the screen too.
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const QRect room = on->availableGeometry().marginsRemoved(
        QMargins(client.left() - frame.left(), client.top() - frame.top(),
                 frame.right() - client.right(), frame.bottom() - client.bottom()));
    const QSize size = settings_.WindowSize.value_or(least).expandedTo(least).boundedTo(
        room.size().expandedTo(least));
    const QPoint at =
        kept ? *settings_.WindowAt : room.center() - QPoint(size.width() / 2, size.height() / 2);
    setGeometry(QRect(ClampedInto(at, size, room), size));
}

void TMainForm::miNewClick() {
    if (!session_->KeepGame())
        return;
    // The menu's new game is on map "01", whatever land was chosen since.
    if (earth_.Source() != TMapSource())
        NewGameOn(TMapSource());
    else
        BeginNewGame();
}

void TMainForm::miNewIslandClick() {
    if (!session_->KeepGame())
        return;
    TNewIslandForm form(this, *this, MapFolders(), QRandomGenerator::global()->generate());
    if (form.ShowModal())
        NewGameOn(*form.Choice());
}

void TMainForm::miNewScenarioClick() {
    if (!session_->KeepGame())
        return;
    const TRecords records = TRecords::Load();
    TScenarioForm form(this, *this, catalogue_, events_, folder_, SaveFolder(), records);
    if (!form.ShowModal())
        return;
    const std::shared_ptr<const TScenario> scenario = form.Choice();
    TMapSource land;
    try {
        land = ScenarioLand(*scenario);
    } catch (const TGameError& error) {
        TApplication::ShowError(error.Text());
        return;
    }
    NewGameOn(land, {scenario, form.Difficulty()});
}

QStringList TMainForm::MapFolders() const {
    return {folder_, SaveFolder()};
}

bool TMainForm::NewGameOn(const TMapSource& map, const TScenarioPlay& play) {
    try {
        earth_.LoadEarth(map, MapFolders());
    } catch (const TGameError& error) {
        TApplication::ShowError(error.Text());
        return false;
    }
    BeginNewGame(play);
    DrawPlanBack();
    return true;
}

void TMainForm::BeginNewGame(const TScenarioPlay& play) {
    mapView_->SetGame(nullptr);
    try {
        // Without a scenario this is the free game.
        colony_->BeginScenario(play.Scenario, play.Difficulty, earth_.StartCell.x(),
                               earth_.StartCell.y());
    } catch (const TGameError& error) {
        TApplication::ShowError(error.Text());
    }
    ShowNewGame();
    session_->Began();
}

void TMainForm::miLoadClick() {
    if (!session_->KeepGame())
        return;
    const QString path = ChooseInSaveFolder(false);
    if (!path.isEmpty())
        LoadFrom(path);
}

void TMainForm::miSaveClick() {
    session_->Save();
}

void TMainForm::miSaveAsClick() {
    session_->SaveAs();
}

void TMainForm::miPlayOnClick() {
    TPlayOnForm form(this, *this, settings_, colony_->Game().Date);
    if (!form.ShowModal())
        return;
    form.Apply(settings_);
    SaveSettings();
    Play([this] { PlayerCommands()[TPlayerCommand::pcPlayOn].Run(*colony_); });
}

void TMainForm::miOrdersClick() {
    const TGame& game = colony_->Game();
    TOrdersForm form(this, *this, game.Orders, game.Stock);
    if (form.ShowModal())
        Play([this, &form] { colony_->SetOrders(form.Orders()); });
}

void TMainForm::miReplayClick() {
    const TColonyState now = colony_->TakeState();
    TReplayForm form(this, ReplayGameOf(*colony_, now), earth_, images_, settings_.RunPace);
    form.exec();
}

void TMainForm::miUndoClick() {
    colony_->ShowStatus(colony_->Undo());
    KeepForCrash();
}

void TMainForm::miRedoClick() {
    colony_->ShowStatus(colony_->Redo());
    KeepForCrash();
}

bool TMainForm::LoadFrom(const QString& path) {
    TLoadedGame loaded;
    try {
        loaded = LoadGame(earth_, path, catalogue_, events_, MapFolders());
    } catch (const TGameError& error) {
        TApplication::ShowError(error.Text());
        return false;
    }
    if (loaded.NewLand)
        DrawPlanBack();
    TSavedGame& saved = loaded.Game;
    // The sound switch stays the player's: a save does not change it.
    pb1->SetScreen(saved.View.x(), saved.View.y());
    colony_->LoadState(saved.Colony, std::move(saved.Days), saved.Identity, saved.Scenario,
                       std::move(saved.Journal), std::move(saved.Log));
    session_->Loaded(path);
    KeepForCrash();
    ShowStatus(tr("Игра загружена"));
    return true;
}

QString TMainForm::ChooseInSaveFolder(bool forSaving, const QString& proposedName) {
    const QString folder = session_->Folder();
    QDir().mkpath(folder);
    return ChooseFile(this, forSaving ? tr("Сохранить игру") : tr("Загрузить игру"), folder,
                      tr("Сохранённые игры (*.dat)"), QStringLiteral("dat"), forSaving,
                      proposedName, false);
}

void TMainForm::ShowNewGame() {
    pb1->SetScreen(earth_.StartScreen.x(), earth_.StartScreen.y());
    mapView_->SetGame(&colony_->Game());
    mapView_->SetSelection(QPoint(colony_->SelectedColumn(), colony_->SelectedRow()));
    KeepForCrash();
}

void TMainForm::ShowGame() {
    PlaceWindow();
    if (settings_.Maximised) {
        showMaximized();
    } else {
        show();
        PlaceWindow(); // now that its frame is known
    }
    // The music starts with the game's window, never for a window that is
    // only made.
    music_->SetVolume(settings_.MusicVolume);
    music_->SetSeason(colony_->Game().Season);
    music_->SetPlaying(settings_.Music);
    if (settings_.FullScreen)
        miFullScreen->trigger();
}

void TMainForm::miParametersClick() {
    TSettingsForm form(this, *this, settings_);
    if (!form.ShowModal())
        return;
    const TSettings chosen = form.Settings();
    miSound->setChecked(chosen.Sound);
    miMusic->setChecked(chosen.Music);
    sounds_->SetVolume(chosen.SoundVolume);
    music_->SetVolume(chosen.MusicVolume);
    settings_ = chosen;
    session_->Options = {settings_.AskBeforeDiscard, settings_.Autosave};
    colony_->SetQuietMessages(settings_.QuietMessages);
    SaveSettings();
}

void TMainForm::SaveSettings() {
    if (settings_.Save() || settingsUnsaved_)
        return;
    settingsUnsaved_ = true;
    ShowStatus(tr("Настройки не сохранятся: файл %1 не записывается")
                   .arg(QDir::toNativeSeparators(TSettings::FileName())));
}

void TMainForm::miFullScreenClick() {
    QWidget* central = centralWidget();
    if (miFullScreen->isChecked()) {
        savedBounds_ = geometry();
        central->setMinimumSize(0, 0);
        setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        setGeometry(screen()->geometry());
        show();
    } else {
        setWindowFlags(windowFlags() & ~(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
        central->setMinimumSize(ClientSize);
        setGeometry(savedBounds_);
        show();
    }
    // Changing the window's flags makes a new native window: take the
    // keyboard back for the map view.
    activateWindow();
    pb1->setFocus();
    LayOutClient();
    DrawPlanBack();
}

void TMainForm::miHelpClick() {
    ShowHelp(QStringLiteral("10"), this);
}

void TMainForm::ShowHelp(const QString& topic, QWidget* parent) {
    THelpWindow help(QDir(folder_).filePath(QLatin1String(TApplication::Spoken().HelpPage)), topic,
                     parent);
    help.exec();
}

void TMainForm::miAboutClick() {
    TAboutForm about(nullptr, this);
    about.exec();
}

void TMainForm::DrawPlanBack() {
    mapView_->DrawPlanBack(*Plan);
}

// ---- window services

namespace {

// The picture of the play-on button while the game plays.
constexpr int StopRunPicture = 26;

QString RunningText() {
    return QCoreApplication::translate("PlayOn",
                                       "Игра идёт. Любая клавиша или щелчок останавливают её.");
}

} // namespace

void TMainForm::Sound(TSound sound) {
    // The days of a run pass without the sound of each.
    if (pacer_.Running() && sound == TSound::NewDay)
        return;
    if (miSound->isChecked())
        sounds_->PlayResSound(SoundName(sound));
}

void TMainForm::ShowStatus(const QString& text) {
    notes_.Shown = false;
    lbStatus->setFont(pnClient->font());
    lbStatus->setText(text);
    // An error is kept in the journal as it is shown.
    if (journal_)
        journal_->Follow();
}

void TMainForm::ShowOverlay(TOverlay overlay) {
    mapView_->SetOverlay(overlay);
    // Made for an overlay with colours only: the plain view has no widget over another.
    delete Legend;
    Legend = OverlayLegend(overlay).empty() ? nullptr : new TOverlayLegend(*pb1, overlay);
}

void TMainForm::ShowCellStatus(const QString& info, const QString& why) {
    if (refreshingDay_ && pacer_.Running()) {
        if (!notes_.Shown)
            ShowStatus(RunningText());
    } else if (!refreshingDay_ || !notes_.Shown)
        ShowStatus(info + why);
    // A screen reader on the map view tells the selected cell.
    pb1->setAccessibleDescription(info + why);
}

void TMainForm::ShowResources(bool moneyOnly) {
    const TGame& game = colony_->Game();
    lbMoney->setText(NumToStr(game.Money));
    if (moneyOnly)
        return;
    for (int good = 0; good < GoodsCount; ++good)
        lbGoods[good]->setText(NumToStr(game.Stock[good]));
}

void TMainForm::ShowGameState() {
    // At the fastest pace the window catches up once a frame, not once a day.
    if (pacer_.ShowsByFrame()) {
        stateDue_ = true;
        return;
    }
    RefreshGameState();
}

void TMainForm::ShowDueState() {
    if (stateDue_) {
        stateDue_ = false;
        RefreshGameState();
    }
}

void TMainForm::RefreshGameState() {
    const TGame& game = colony_->Game();
    // A new game is another colony: the map view draws it from now on,
    // however the game began.
    if (mapView_->Game() != &game)
        mapView_->SetGame(&game);
    ShowResources(false);
    lbDate->setText(DateText(game.Date));
    pbHealth->SetHealth(game.Health);
    SetHint(pbHealth, tr("Среднее здоровье населения - %1 из %2")
                          .arg(QString::number(game.Health), QString::number(TGame::MaxHealth)));
    lbPeople->setText(QString::number(game.People));
    lbHomePlaces->setText(QString::number(game.TotalHomePlaces()));
    lbWorkPlaces->setText(QString::number(game.TotalWorkPlaces()));
    lbFreePeople->setText(QString::number(game.Unemployed()));
    pcSeason->SetImageIndex(game.Season);
    music_->SetSeason(game.Season);
    SetHint(pcSeason, SeasonName(game.Season));
    pb1->UpdateImage();
    Plan->update();
    // Quiet messages stay on the status line over the cell's info while the
    // days pass, until the player does something.
    refreshingDay_ = true;
    colony_->ShowCellInfo();
    refreshingDay_ = false;
    if (statistics_)
        statistics_->Follow();
    if (goals_)
        goals_->Follow();
    if (journal_)
        journal_->Follow();
    FollowAdvice();
}

TStatisticsForm& TMainForm::OpenStatistics() {
    return OpenBeside(statistics_, &TSettings::StatisticsAt,
                      [this] { return new TStatisticsForm(*colony_, images_.imlTools, this); });
}

TGoalsForm& TMainForm::OpenGoals() {
    return OpenBeside(goals_, &TSettings::GoalsAt,
                      [this] { return new TGoalsForm(*colony_, this); });
}

TJournalForm& TMainForm::OpenJournal() {
    return OpenBeside(journal_, &TSettings::JournalAt, [this] {
        return new TJournalForm(
            *colony_, [this](QPoint cell) { ShowCellOnMap(cell); }, this);
    });
}

void TMainForm::ShowCellOnMap(QPoint cell) {
    pb1->CenterPoint(cell.x() * CellSize + CellSize / 2, cell.y() * CellSize + CellSize / 2);
    colony_->SelectCell(cell.x(), cell.y());
}

TAdvisorForm& TMainForm::OpenAdvisor() {
    TAdvisorForm& form = OpenBeside(advisor_, &TSettings::AdvisorAt, [this] {
        return new TAdvisorForm(
            settings_.AdviceStops, [this](const TAdvice& advice) { GoTo(advice); },
            [this](const TAdviceStops& stops) {
                settings_.AdviceStops = stops;
                colony_->SetAdviceStops(stops);
                SaveSettings();
            },
            this);
    });
    FollowAdvice();
    return form;
}

void TMainForm::FollowAdvice() {
    adviceForecast_->Follow(*colony_);
    const std::vector<TAdvice> advice = colony_->Advice();
    pcAdvice->SetImageIndex(advice.empty() ? AdviceQuietPicture : AdvicePicture);
    lbAdvice->setText(advice.empty() ? tr("Советов нет") : tr("Советов: %1").arg(advice.size()));
    if (advisor_ && advisor_->isVisible()) {
        const TForecast* forecast = adviceForecast_->Of(*colony_);
        advisor_->Show(advice, forecast ? std::optional(forecast->From) : std::nullopt);
    }
}

void TMainForm::GoTo(const TAdvice& advice) {
    if (advice.HasCell()) {
        ShowCellOnMap(advice.Cell);
        activateWindow();
        return;
    }
    TStatisticsForm& statistics = OpenStatistics();
    switch (advice.Kind) {
    case TAdviceKind::Money:
        statistics.SetHorizon(TForecastHorizon::YearlyTax);
        statistics.ShowPage(TStatisticsForm::pgForecast);
        break;
    case TAdviceKind::Health:
        statistics.ShowPage(TStatisticsForm::pgHealth);
        break;
    default:
        statistics.ShowPage(TStatisticsForm::pgPeople);
        break;
    }
}

const TForecast* TMainForm::AdviceForecast(const TColony& colony) {
    return adviceForecast_->Of(colony);
}

TIslandEditorForm& TMainForm::OpenEditor(const std::optional<TMapSource>& source) {
    if (!editor_) {
        editor_ =
            new TIslandEditorForm(images_, catalogue_, MapFolders(), SaveFolder(), *this, this);
        editor_->OnPlay = [this](const TMapSource& map) {
            if (!session_->KeepGame() || !NewGameOn(map))
                return false;
            if (!isVisible())
                ShowGame();
            raise();
            activateWindow();
            return true;
        };
        editor_->OnHelp = [this] { ShowHelp(QStringLiteral("editor"), editor_); };
    }
    if (source)
        editor_->Open(*source);
    editor_->show();
    editor_->raise();
    editor_->activateWindow();
    return *editor_;
}

void TMainForm::ShowInfo(TSound sound, const QString& text) {
    ShowDueState();
    const TDialogPointer pointer;
    TInfoForm info(this, *this, sound, text);
    info.ShowModal();
}

void TMainForm::ShowNote(TMessageKind, const QString& text) {
    AddNote(text);
}

void TMainForm::ShowTrades(int64_t sold, int64_t bought) {
    QStringList deals;
    if (sold != 0)
        deals << tr("продано на %1").arg(NumToStr(sold));
    if (bought != 0)
        deals << tr("куплено на %1").arg(NumToStr(bought));
    AddNote(tr("По заказам: %1.").arg(deals.join(QStringLiteral(", "))));
}

void TMainForm::AddNote(const QString& text) {
    const TGameDate today = colony_->Game().Date;
    const QString line = QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    notes_.Line = notes_.Date == today && !notes_.Line.isEmpty()
                      ? notes_.Line + QStringLiteral("  ·  ") + line
                      : line;
    notes_.Date = today;
    ShowStatus(notes_.Line);
    notes_.Shown = true;
}

void TMainForm::ShowSeason(int season) {
    ShowDueState();
    const TDialogPointer pointer;
    TSeasonForm dialog(this, *this, images_, season);
    dialog.ShowModal();
}

void TMainForm::RunYearlyTaxes(TTaxDialog& dialog) {
    ShowDueState();
    const TDialogPointer pointer;
    TNalogForm form(this, *this, dialog);
    form.ShowModal();
}

void TMainForm::RunMainTax(TTaxDialog& dialog) {
    ShowDueState();
    const TDialogPointer pointer;
    TNalogMainForm form(this, *this, dialog);
    form.ShowModal();
}

void TMainForm::RunMarket(TMarketDialog& dialog) {
    const TDialogPointer pointer;
    // The orders are a command of their own: their dialog opens once the
    // market's command is over.
    TMarketForm form(this, dialog, images_,
                     [this] { QTimer::singleShot(0, this, [this] { miOrdersClick(); }); });
    form.exec();
}

bool TMainForm::Confirm(const QString& text) {
    return Ask(this, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

std::optional<int32_t> TMainForm::BeginRun(const TGameDate& today) {
    const auto days = [this, &today] {
        return DaysOfLimit(settings_.RunLimit, today, settings_.RunUntil.value_or(TGameDate{}));
    };
    if (!days()) {
        // The date chosen has passed: the player chooses again.
        TPlayOnForm form(this, *this, settings_, today);
        if (!form.ShowModal())
            return std::nullopt;
        form.Apply(settings_);
        SaveSettings();
    }
    const std::optional<int32_t> limit = days();
    if (!limit)
        return std::nullopt;
    pacer_.Begin(settings_.RunPace, screen()->refreshRate());
    ShowPlaying(true);
    ShowStatus(RunningText());
    return limit;
}

void TMainForm::ShowPlaying(bool playing) {
    const TPlayerCommand& command = PlayerCommands()[TPlayerCommand::pcPlayOn];
    static_cast<TvtPic*>(commandButtons_[command.Id])
        ->SetImageIndex(playing ? StopRunPicture : command.Picture);
}

bool TMainForm::RunGoesOn() {
    return pacer_.GoesOn();
}

void TMainForm::EndRun(const TRunResult& run) {
    pacer_.End();
    ShowPlaying(false);
    const QString why = RunStopText(run, settings_.RunLimit);
    // The day's quiet messages stay beside why the run stopped.
    if (notes_.Shown && notes_.Date == colony_->Game().Date) {
        notes_.Line = why + QStringLiteral("  ·  ") + notes_.Line;
        ShowStatus(notes_.Line);
        notes_.Shown = true;
    } else
        ShowStatus(why);
    if (closeAfterRun_) {
        closeAfterRun_ = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

void TMainForm::UpdateCell(int column, int row) {
    pb1->UpdateCell(column, row);
}

void TMainForm::UpdateImage() {
    pb1->UpdateImage();
}

void TMainForm::UpdatePlan() {
    Plan->update();
}

void TMainForm::ShowRect(const QRect& rect) {
    pb1->ShowRect(rect);
}

void TMainForm::StepSelection() {
    mapView_->SetSelection(QPoint(colony_->SelectedColumn(), colony_->SelectedRow()));
}

void TMainForm::RepaintWindow() {
    repaint();
}

void TMainForm::Play(const std::function<void()>& command) {
    // The rules have put the game back as the command found it.
    try {
        command();
    } catch (const std::exception& error) {
        TApplication::ShowError(QString::fromStdString(error.what()));
    }
    KeepForCrash();
}

void TMainForm::Autosave() {
    session_->Autosave();
}

void TMainForm::ShowUndoSteps() {
    const TUndoHistory& steps = colony_->UndoSteps();
    const std::tuple<QAction*, TMenuItem, QString> items[] = {
        {miUndo, TMenuItem::Undo, steps.NextUndo()}, {miRedo, TMenuItem::Redo, steps.NextRedo()}};
    for (const auto& [action, item, step] : items)
        ShowStepItem(*action, item, step);
    if (statistics_)
        statistics_->ForecastAgain();
}

void TMainForm::ShowGoals() {
    if (goals_)
        goals_->Follow();
    ShowAllowedTypes();
    const TTutorialStep* step = colony_->TutorialStep();
    if (!step) {
        guide_->Show(QString(), nullptr);
        return;
    }
    guide_->Show(tr("Обучение, шаг %1 из %2\n%3")
                     .arg(colony_->TutorialIndex() + 1)
                     .arg(colony_->Scenario()->Tutorial.size())
                     .arg(step->Text),
                 StepControl(*step));
}

void TMainForm::ShowAllowedTypes() {
    const TScenario* scenario = colony_->Scenario();
    for (size_t i = 0; i < catalogue_.size() && i < paletteButtons.size(); ++i) {
        const TBaseType& type = catalogue_[i];
        TvtPic& button = *paletteButtons[i];
        const bool allowed = !scenario || scenario->Allows(type);
        if (allowed == !button.Unavailable())
            continue;
        button.SetUnavailable(!allowed);
        // The hint is composed again, with the reason first where the type
        // may not be built.
        button.setToolTip(QString());
        button.OnHint = [&type, allowed] {
            const QString hint = BaseHint(type);
            return HintHtml(allowed ? hint : Msg::Text(Msg::NotAllowed).mid(1) + u'\n' + hint);
        };
    }
}

QWidget* TMainForm::StepControl(const TTutorialStep& step) const {
    switch (step.Action) {
    case TTutorialStep::TAction::Select:
        return pb1;
    case TTutorialStep::TAction::Build:
        for (size_t i = 0; i < catalogue_.size() && i < paletteButtons.size(); ++i)
            if (catalogue_[i].Id.compare(step.Type, Qt::CaseInsensitive) == 0)
                return paletteButtons[i];
        return nullptr;
    case TTutorialStep::TAction::Command:
        return pnClient->findChild<QWidget*>(
            QString::fromLatin1(PlayerCommands()[step.Command].Name));
    case TTutorialStep::TAction::PayTax:
    case TTutorialStep::TAction::Orders:
        return nullptr;
    }
    return nullptr;
}

void TMainForm::ScenarioEnded(const TScenarioResult& result) {
    ShowDueState();
    TRecords records = TRecords::Load();
    const bool newRecord = records.Add(result);
    if (newRecord && !records.Save())
        ShowStatus(tr("Рекорд не сохранится: файл %1 не записывается")
                       .arg(QDir::toNativeSeparators(TRecords::FileName())));
    const TDialogPointer pointer;
    TScenarioEndForm form(this, *this, result, colony_->Goals(), newRecord);
    form.ShowModal();
}

TSessionDialogs::TKeep TMainForm::AskToKeep() {
    switch (Ask(this, tr("Сохранить текущую игру?"),
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return TKeep::Save;
    case QMessageBox::No:
        return TKeep::Discard;
    default:
        return TKeep::Stay;
    }
}

QString TMainForm::ChooseSaveFile(const QString&, const QString& proposedName) {
    return ChooseInSaveFolder(true, proposedName);
}

void TMainForm::ShowError(const QString& text) {
    TApplication::ShowError(text);
}

void TMainForm::SetBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
