#include "ui/islandeditor.h"

#include "base/gameerror.h"
#include "map/mapview.h"
#include "map/placebox.h"
#include "map/plan.h"
#include "map/zoombadge.h"
#include "model/describe.h"
#include "resources/datamodule.h"
#include "ui/application.h"
#include "ui/filedialog.h"
#include "ui/gamedialog.h"
#include "ui/menukeys.h"
#include "ui/menus.h"
#include "ui/newislandform.h"

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

// The grounds a player paints; the coast follows the sea by itself.
constexpr TEarthKind PaintedKinds[] = {ekSea, ekLand, ekForest, ekWater,  ekCoal,
                                       ekOre, ekOil,  ekGold,   ekUnknown};

// The kinds of names on the map, as the scene's fonts call them.
constexpr std::pair<const char*, const char*> LabelFonts[] = {
    {"island", QT_TRANSLATE_NOOP("TIslandEditorForm", "Остров")},
    {"place", QT_TRANSLATE_NOOP("TIslandEditorForm", "Место")},
    {"water", QT_TRANSLATE_NOOP("TIslandEditorForm", "Вода")},
};

QPoint CellOf(QPoint world) {
    return {world.x() / CellSize, world.y() / CellSize};
}

QIcon KindIcon(const TDM& images, int kind) {
    QPixmap picture(CellSize, CellSize);
    picture.fill(TEditMarks::KindColour(kind));
    if (kind >= ekWater && kind <= ekGold) {
        QPainter painter(&picture);
        images.imlEarth.Draw(painter, 0, 0, (kind - ekWater) * 10);
    }
    return QIcon(picture);
}

// The name at a cell: one whose text starts at most a cell before it, on its
// row or the one below, and runs on to it.
int LabelAt(const std::vector<TMapLabel>& labels, QPoint cell) {
    for (size_t i = labels.size(); i-- > 0;) {
        const TMapLabel& label = labels[i];
        const int width = std::max(1, static_cast<int>(label.Text.size()) * 12 / CellSize + 1);
        if (cell.x() >= label.Cell.X - 1 && cell.x() <= label.Cell.X + width &&
            cell.y() >= label.Cell.Y - 1 && cell.y() <= label.Cell.Y + 1)
            return static_cast<int>(i);
    }
    return -1;
}

// The dialog of a name on the map: its text and its kind; a name there
// already may also be removed. Nothing when the player cancelled, an empty
// text for a name to remove.
std::optional<TMapLabel> AskLabel(QWidget* parent, TMapLabel label, bool existing) {
    QDialog dialog(parent);
    dialog.setWindowTitle(TIslandEditorForm::tr("Надпись на карте"));
    auto* form = new QFormLayout(&dialog);
    auto* text = new QLineEdit(label.Text, &dialog);
    text->setMaxLength(40);
    auto* kind = new QComboBox(&dialog);
    for (const auto& [font, caption] : LabelFonts) {
        kind->addItem(TIslandEditorForm::tr(caption), QString::fromLatin1(font));
        if (label.Font == QLatin1String(font))
            kind->setCurrentIndex(kind->count() - 1);
    }
    form->addRow(TIslandEditorForm::tr("Название:"), text);
    form->addRow(TIslandEditorForm::tr("Шрифт:"), kind);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    bool removed = false;
    if (existing) {
        QPushButton* remove =
            buttons->addButton(TIslandEditorForm::tr("Убрать"), QDialogButtonBox::DestructiveRole);
        QObject::connect(remove, &QPushButton::clicked, &dialog, [&] {
            removed = true;
            dialog.accept();
        });
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    label.Text = removed ? QString() : text->text().simplified().remove(QLatin1Char('"'));
    label.Font = kind->currentData().toString();
    return label;
}

} // namespace

QImage DrawRaisedIsland(const TRaisedIsland& island, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(TEditMarks::KindColour(ekSea));
    int reach = 1;
    for (const TRaisedIsland::TCell& cell : island.Cells)
        reach = std::max({reach, std::abs(cell.Offset.x()), std::abs(cell.Offset.y())});
    const int side = std::min(size.width(), size.height());
    QPainter painter(&picture);
    for (const TRaisedIsland::TCell& cell : island.Cells) {
        const QPoint at =
            QPoint(size.width(), size.height()) / 2 + cell.Offset * side / (2 * reach + 2);
        painter.fillRect(QRect(at, QSize(2, 2)), TEditMarks::KindColour(cell.Cell.Kind));
    }
    return picture;
}

std::span<const TIslandEditorForm::TToolRow> TIslandEditorForm::Tools() {
    static constexpr TToolRow rows[] = {
        {etBrush, QT_TRANSLATE_NOOP("TIslandEditorForm", "&Кисть"), "B",
         QT_TRANSLATE_NOOP("TIslandEditorForm", "Рисовать выбранную землю кистью"),
         QT_TRANSLATE_NOOP("EditorToolHelp",
                           "рисует выбранную землю, круглая или квадратная, от 1 до 32 клеток "
                           "(<kbd>[</kbd> и <kbd>]</kbd>)"),
         Qt::CrossCursor,
         [](TIslandEditorForm& editor, QPoint cell) {
             editor.edit_->BeginStroke();
             editor.lastDab_.reset();
             editor.StrokeTo(cell);
         }},
        {etFill, QT_TRANSLATE_NOOP("TIslandEditorForm", "&Заливка"), "F",
         QT_TRANSLATE_NOOP("TIslandEditorForm", "Залить выбранной землей связную область"),
         QT_TRANSLATE_NOOP("EditorToolHelp", "меняет всю связную область одной земли"),
         Qt::CrossCursor,
         [](TIslandEditorForm& editor, QPoint cell) {
             editor.edit_->Fill(cell.x(), cell.y(), editor.Kind());
             editor.Edited();
         }},
        {etIsland, QT_TRANSLATE_NOOP("TIslandEditorForm", "&Остров"), "I",
         QT_TRANSLATE_NOOP("TIslandEditorForm", "Поднять из моря остров по его номеру"),
         QT_TRANSLATE_NOOP("EditorToolHelp",
                           "поднимает из моря остров, который игра строит по номеру, в выбранном "
                           "размере, и до щелчка видно, где он ляжет"),
         Qt::CrossCursor,
         [](TIslandEditorForm& editor, QPoint cell) {
             if (const TRaisedIsland* island = editor.Island())
                 editor.edit_->RaiseIsland(*island, cell.x(), cell.y());
             // The island raised, its preview goes until the pointer moves on.
             editor.raisedAt_ = cell;
             editor.Edited();
         }},
        {etStart, QT_TRANSLATE_NOOP("TIslandEditorForm", "&Начало"), "S",
         QT_TRANSLATE_NOOP("TIslandEditorForm", "Перенести клетку, где начнется колония"),
         QT_TRANSLATE_NOOP("EditorToolHelp", "переносит место высадки"), Qt::CrossCursor,
         [](TIslandEditorForm& editor, QPoint cell) {
             editor.edit_->MoveStart(cell.x(), cell.y());
             editor.Edited();
         }},
        {etName, QT_TRANSLATE_NOOP("TIslandEditorForm", "Н&адпись"), "N",
         QT_TRANSLATE_NOOP("TIslandEditorForm", "Написать, изменить или убрать название на карте"),
         QT_TRANSLATE_NOOP("EditorToolHelp", "пишет, меняет или убирает название на карте"),
         Qt::CrossCursor, [](TIslandEditorForm& editor, QPoint cell) { editor.NameAt(cell); }},
        {etPicker, QT_TRANSLATE_NOOP("TIslandEditorForm", "&Пипетка"), "K",
         QT_TRANSLATE_NOOP("TIslandEditorForm", "Взять землю с клетки карты"),
         QT_TRANSLATE_NOOP("EditorToolHelp", "берет землю с клетки"), Qt::CrossCursor,
         [](TIslandEditorForm& editor, QPoint cell) {
             editor.SetKind(editor.edit_->Land().Grid.EarthKind(cell.x(), cell.y()));
             editor.SetTool(etBrush);
         }},
    };
    static_assert(std::size(rows) == ToolCount);
    static_assert(
        std::ranges::all_of(rows, [](const TToolRow& row) { return row.Tool == &row - rows; }),
        "the rows are in the order of TTool");
    static_assert(TLandEdit::MaxBrush == 32, "the brush's help line names its largest size");
    return rows;
}

TIslandEditorForm::TIslandEditorForm(const TDM& images, const TBaseTypeList& catalogue,
                                     const QStringList& folders, const QString& saveFolder,
                                     TWindowServices& services, QWidget* parent)
    : QMainWindow(parent, Qt::Window), images_(images), catalogue_(catalogue), folders_(folders),
      saveFolder_(saveFolder), services_(services) {
    setObjectName(QStringLiteral("IslandEditor"));
    CreateMenu();

    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->addWidget(CreateTools());
    pb1 = new TvtPlaceBox(central);
    pb1->setObjectName(QStringLiteral("pb1"));
    pb1->setAccessibleName(QCoreApplication::translate("ScreenReader", "Карта"));
    pb1->setMinimumSize(400, 300);
    pb1->ArrowsDragInterval = 12;
    pb1->MouseDrag = true;
    pb1->setFocusPolicy(Qt::StrongFocus);
    pb1->setMouseTracking(true);
    pb1->setCursor(Tools()[tool_].Cursor);
    pb1->Initialize(MapCols, MapRows, CellSize, CellSize);
    row->addWidget(pb1, 1);
    row->addWidget(CreateSide());
    setCentralWidget(central);
    lbCell = new QLabel(this);
    statusBar()->addWidget(lbCell, 1);

    pb1->OnMouseDown = [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint world) {
        MouseDown(button, world);
    };
    pb1->OnMouseMove = [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPoint world) {
        MouseMove(buttons, world);
    };
    pb1->OnMouseUp = [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint) {
        MouseUp(button);
    };
    view_ = std::make_unique<TMapView>(*pb1, earth_, images_);
    pb1->OnZoom = [this] {
        TZoomBadge::Follow(zoomBadge_, *pb1, pb1->Zoom(), [this] { Zoom(0); });
    };
    view_->OnPaintCellOver = [this](QPainter& painter, int32_t col, int32_t row) {
        marks_.PaintCell(painter, col, row);
    };
    marks_.Drawn = &drawn_;
    marks_.Ground = &earth_.Grid;
    Plan->SetPlaceBox(pb1);
    Plan->OnPaint = [this](QPainter& painter) {
        // The island about to be raised shows whole on the overview.
        if (!marks_.PreviewCells().isEmpty())
            painter.drawImage(TMapView::CellOnPlan(pointer_ + islandCorner_), islandOnPlan_);
        const QPoint start = TMapView::CellOnPlan(earth_.StartCell);
        painter.fillRect(QRect(start - QPoint(2, 2), QSize(5, 5)), Qt::red);
    };
    SetLand(BlankSea(), tr("Новый остров"));
    ShowIsland();
    resize(1060, 720);
}

TIslandEditorForm::~TIslandEditorForm() {
    view_.reset();
}

void TIslandEditorForm::CreateMenu() {
    struct TCommand {
        QString Caption;
        QString Shortcut;
        std::function<void()> Run;
    };
    QMenu* map = menuBar()->addMenu(tr("&Карта"));
    const TCommand mapCommands[] = {
        {tr("&Новая..."), QStringLiteral("Ctrl+N"), [this] { miNewClick(); }},
        {tr("&Открыть файл..."), QStringLiteral("Ctrl+O"), [this] { miOpenFileClick(); }},
        {tr("&Сохранить"), QStringLiteral("Ctrl+S"), [this] { Save(); }},
        {tr("Сохранить &черновик"), QStringLiteral("Ctrl+Shift+S"), [this] { SaveDraft(); }},
        {tr("&Играть"), QStringLiteral("F5"), [this] { Play(); }},
        {tr("&Закрыть"), QStringLiteral("Ctrl+W"), [this] { close(); }},
    };
    for (const TCommand& command : mapCommands) {
        if (command.Shortcut == QLatin1String("F5") || command.Shortcut == QLatin1String("Ctrl+W"))
            map->addSeparator();
        QAction* action = map->addAction(command.Caption);
        action->setShortcut(QKeySequence(command.Shortcut));
        connect(action, &QAction::triggered, this, command.Run);
    }

    // Undo, redo and help as the game's menu has them, with its keys.
    const auto gameItem = [](QMenu* menu, TMenuItem item) {
        QAction* action = menu->addAction(QCoreApplication::translate("Menus", MenuCaption(item)));
        action->setShortcut(QKeySequence(QString::fromLatin1(MenuShortcut(item))));
        return action;
    };
    QMenu* edit = menuBar()->addMenu(tr("&Правка"));
    miUndo = gameItem(edit, TMenuItem::Undo);
    connect(miUndo, &QAction::triggered, this, [this] { Undo(); });
    miRedo = gameItem(edit, TMenuItem::Redo);
    connect(miRedo, &QAction::triggered, this, [this] { Redo(); });

    QMenu* tools = menuBar()->addMenu(tr("&Инструменты"));
    auto* group = new QActionGroup(this);
    for (const TToolRow& row : Tools()) {
        QAction* action = tools->addAction(tr(row.Caption));
        action->setShortcut(QKeySequence(QString::fromLatin1(row.Key)));
        action->setCheckable(true);
        action->setChecked(row.Tool == tool_);
        group->addAction(action);
        toolActions_[row.Tool] = action;
        connect(action, &QAction::triggered, this, [this, tool = row.Tool] { SetTool(tool); });
    }
    tools->addSeparator();
    for (const auto& [caption, key, change] :
         {std::tuple{tr("Кисть &больше"), QStringLiteral("]"), 1},
          std::tuple{tr("Кисть &меньше"), QStringLiteral("["), -1}}) {
        QAction* action = tools->addAction(caption);
        action->setShortcut(QKeySequence(key));
        connect(action, &QAction::triggered, this,
                [this, step = change] { edSize->setValue(edSize->value() + step); });
    }

    // The map zooms about the view's centre with the game's keys.
    QMenu* view = menuBar()->addMenu(QCoreApplication::translate("Menus", "&Вид"));
    for (const auto& [item, steps] :
         {std::pair{TMenuItem::ZoomIn, 1}, std::pair{TMenuItem::ZoomOut, -1},
          std::pair{TMenuItem::ActualSize, 0}})
        connect(gameItem(view, item), &QAction::triggered, this,
                [this, steps = steps] { Zoom(steps); });

    QMenu* help = menuBar()->addMenu(QCoreApplication::translate("Menus", "&?"));
    connect(gameItem(help, TMenuItem::Help), &QAction::triggered, this, [this] {
        if (OnHelp)
            OnHelp();
    });
    AnswerMnemonicsOnEitherLayout(*menuBar());
}

void TIslandEditorForm::Zoom(int steps) {
    const QPointF centre = QRectF(pb1->rect()).center();
    if (steps == 0)
        pb1->SetZoom(1, centre);
    else
        pb1->StepZoom(steps, centre);
}

QWidget* TIslandEditorForm::CreateTools() {
    auto* panel = new QWidget(this);
    panel->setFixedWidth(200);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    column->addWidget(new QLabel(tr("Имя карты:"), panel));
    edName = new QLineEdit(panel);
    edName->setObjectName(QStringLiteral("edName"));
    edName->setMaxLength(40);
    connect(edName, &QLineEdit::textEdited, this, [this] {
        modified_ = true;
        ShowTitle();
    });
    column->addWidget(edName);

    auto* tools = new QGroupBox(tr("Инструмент"), panel);
    auto* grid = new QGridLayout(tools);
    auto* group = new QButtonGroup(this);
    for (const TToolRow& row : Tools()) {
        auto* button = new QToolButton(tools);
        button->setText(tr(row.Caption).remove(QLatin1Char('&')));
        button->setToolTip(
            QStringLiteral("%1 (%2)").arg(tr(row.Hint), QString::fromLatin1(row.Key)));
        button->setCheckable(true);
        button->setChecked(row.Tool == tool_);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        group->addButton(button, row.Tool);
        grid->addWidget(button, row.Tool / 2, row.Tool % 2);
        toolButtons[row.Tool] = button;
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int tool) { SetTool(TTool(tool)); });
    column->addWidget(tools);

    auto* grounds = new QGroupBox(tr("Земля"), panel);
    auto* groundColumn = new QVBoxLayout(grounds);
    lbKinds = new QListWidget(grounds);
    lbKinds->setObjectName(QStringLiteral("lbKinds"));
    lbKinds->setIconSize(QSize(CellSize, CellSize));
    lbKinds->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lbKinds->setMinimumHeight(static_cast<int>(std::size(PaintedKinds)) * (CellSize + 2) + 4);
    for (const TEarthKind kind : PaintedKinds) {
        auto* item = new QListWidgetItem(KindIcon(images_, kind), EarthKindName(kind), lbKinds);
        item->setData(Qt::UserRole, int(kind));
    }
    lbKinds->setCurrentRow(1);
    groundColumn->addWidget(lbKinds);
    auto* coast = new QLabel(tr("Берег ложится сам там, где земля встречает море."), grounds);
    coast->setWordWrap(true);
    groundColumn->addWidget(coast);
    column->addWidget(grounds);

    auto* brush = new QGroupBox(tr("Кисть"), panel);
    auto* brushForm = new QFormLayout(brush);
    cbShape = new QComboBox(brush);
    cbShape->setObjectName(QStringLiteral("cbShape"));
    cbShape->addItems({tr("Круглая"), tr("Квадратная")});
    edSize = new QSpinBox(brush);
    edSize->setObjectName(QStringLiteral("edSize"));
    edSize->setRange(1, TLandEdit::MaxBrush);
    edSize->setValue(5);
    brushForm->addRow(tr("Форма:"), cbShape);
    brushForm->addRow(tr("Размер:"), edSize);
    connect(edSize, &QSpinBox::valueChanged, this, [this] { ShowPointer(pointer_); });
    connect(cbShape, &QComboBox::currentIndexChanged, this, [this] { ShowPointer(pointer_); });
    column->addWidget(brush);
    column->addStretch(1);
    return panel;
}

QWidget* TIslandEditorForm::CreateSide() {
    auto* panel = new QWidget(this);
    panel->setFixedWidth(214);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    Plan = new TvtPlan(panel);
    Plan->setObjectName(QStringLiteral("Plan"));
    Plan->setAccessibleName(QCoreApplication::translate("ScreenReader", "Обзорная карта"));
    Plan->setFixedSize(210, 210);
    Plan->SetScreenColor(QColor(0, 0, 128));
    column->addWidget(Plan);
    auto* island = new QGroupBox(tr("Остров"), panel);
    auto* islandForm = new QFormLayout(island);
    edSeed = new QLineEdit(QString::number(QRandomGenerator::global()->generate()), island);
    edSeed->setObjectName(QStringLiteral("edSeed"));
    edSeed->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,10}")), edSeed));
    edScale = new QSpinBox(island);
    edScale->setObjectName(QStringLiteral("edScale"));
    edScale->setRange(20, 100);
    edScale->setValue(30);
    edScale->setSuffix(QStringLiteral(" %"));
    islandForm->addRow(tr("Номер:"), edSeed);
    islandForm->addRow(tr("Размер:"), edScale);
    pcIsland = new QLabel(island);
    pcIsland->setObjectName(QStringLiteral("pcIsland"));
    pcIsland->setFixedSize(80, 80);
    islandForm->addRow(pcIsland);
    connect(edSeed, &QLineEdit::textEdited, this, [this] { ShowIsland(); });
    connect(edScale, &QSpinBox::valueChanged, this, [this] { ShowIsland(); });
    column->addWidget(island);
    column->addWidget(new QLabel(tr("Проверка:"), panel));
    lbProblems = new QListWidget(panel);
    lbProblems->setObjectName(QStringLiteral("lbProblems"));
    lbProblems->setWordWrap(true);
    lbProblems->setIconSize(QSize(16, 16));
    connect(lbProblems, &QListWidget::currentRowChanged, this,
            [this](int row) { ShowProblem(row); });
    column->addWidget(lbProblems, 1);
    return panel;
}

TIslandLand TIslandEditorForm::BlankSea() {
    TIslandLand land;
    land.Start = {MapCols / 2, MapRows / 2};
    return land;
}

void TIslandEditorForm::SetLand(TIslandLand land, const QString& name) {
    edit_ = std::make_unique<TLandEdit>(std::move(land));
    edName->setText(name);
    ownFile_.clear();
    const TCellPoint start = edit_->Land().Start;
    modified_ = false;
    Changed();
    // Centred once the window has its size, when it is opening.
    QTimer::singleShot(0, this, [this, start] {
        pb1->CenterPoint(start.X * CellSize + CellSize / 2, start.Y * CellSize + CellSize / 2);
    });
}

bool TIslandEditorForm::Open(const TMapSource& source) {
    try {
        SetLand(OpenLand(source, folders_), source.Kind == TMapSource::msRandom
                                                ? source.Title()
                                                : QFileInfo(source.Name).completeBaseName());
    } catch (const TGameError& error) {
        TApplication::ShowError(error.Text());
        return false;
    }
    // Saved again, the map goes over the file it came from without a question.
    if (source.Kind != TMapSource::msRandom)
        ownFile_ = QFileInfo(source.GridPath(folders_)).absoluteFilePath();
    return true;
}

QString TIslandEditorForm::LandName() const {
    return edName->text().trimmed();
}

TEarthKind TIslandEditorForm::Kind() const {
    const QListWidgetItem* item = lbKinds->currentItem();
    return item ? TEarthKind(item->data(Qt::UserRole).toInt()) : ekLand;
}

void TIslandEditorForm::SetKind(TEarthKind kind) {
    for (int row = 0; row < lbKinds->count(); ++row)
        if (lbKinds->item(row)->data(Qt::UserRole).toInt() == kind)
            lbKinds->setCurrentRow(row);
}

void TIslandEditorForm::SetTool(TTool tool) {
    tool_ = tool;
    toolButtons[tool]->setChecked(true);
    toolActions_[tool]->setChecked(true);
    pb1->setCursor(Tools()[tool].Cursor);
    if (tool == etIsland)
        ShowIsland();
    ShowPointer(pointer_);
}

bool TIslandEditorForm::KeepChanges() {
    if (!modified_)
        return true;
    switch (Ask(this, tr("Сохранить изменения карты «%1»?").arg(LandName()),
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return HasErrors() ? SaveDraft() : Save();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void TIslandEditorForm::miNewClick() {
    if (!KeepChanges())
        return;
    TNewIslandForm form(this, services_, folders_, QRandomGenerator::global()->generate(), true);
    if (!form.ShowModal())
        return;
    if (form.BlankSea())
        SetLand(BlankSea(), tr("Новый остров"));
    else if (const std::optional<TMapSource> source = form.Choice())
        Open(*source);
}

void TIslandEditorForm::miOpenFileClick() {
    if (!KeepChanges())
        return;
    const QString path = ChooseFile(this, tr("Открыть карту"), saveFolder_,
                                    tr("Карты (*.LTS *.lts)"), QStringLiteral("LTS"), false);
    if (!path.isEmpty())
        Open({TMapSource::msPath, path, 0});
}

bool TIslandEditorForm::SaveInto(const QString& folder) {
    const QString name = LandName();
    if (!IsMapName(name)) {
        TApplication::ShowError(tr("«%1» не годится в имя карты: нужно от 1 до 40 букв, без знаков "
                                   "/ \\ : * ? \" < > |.")
                                    .arg(name));
        return false;
    }
    // Another map of that name is replaced only when the player says so.
    const QString path =
        QFileInfo(TEarth::MapFilePath(folder, name, QStringLiteral(".LTS"))).absoluteFilePath();
    if (path != ownFile_ && QFileInfo::exists(path) &&
        Ask(this, tr("Карта «%1» уже есть. Заменить ее?").arg(name),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return false;
    try {
        SaveMap(edit_->Files(), folder, name);
    } catch (const TGameError& error) {
        TApplication::ShowError(error.Text());
        return false;
    }
    ownFile_ = path;
    modified_ = false;
    ShowTitle();
    statusBar()->showMessage(
        tr("Карта сохранена: %1")
            .arg(QDir::toNativeSeparators(TEarth::MapFilePath(folder, name, QString()))),
        5000);
    return true;
}

bool TIslandEditorForm::HasErrors() const {
    return std::ranges::any_of(problems_, &TMapProblem::Error);
}

bool TIslandEditorForm::Save() {
    if (HasErrors()) {
        if (Ask(this, tr("На карте есть ошибки, играть на ней нельзя. Сохранить ее как черновик?"),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes)
            return SaveDraft();
        return false;
    }
    // A map the game ships keeps its name: the player's copy would hide behind it.
    const QString name = LandName();
    const QString found = TMapSource::Named(name).GridPath(folders_);
    if (QFileInfo::exists(found) &&
        found != TEarth::MapFilePath(saveFolder_, name, QStringLiteral(".LTS"))) {
        TApplication::ShowError(
            tr("Карта «%1» уже есть в игре. Дайте своей карте другое имя.").arg(name));
        return false;
    }
    return SaveInto(saveFolder_);
}

bool TIslandEditorForm::SaveDraft() {
    return SaveInto(QDir(saveFolder_).filePath(QStringLiteral("DRAFTS")));
}

void TIslandEditorForm::Play() {
    // The land shown is played: saved first unless the player's map of its
    // name is the very file it came from, unchanged.
    const QString map =
        QFileInfo(TEarth::MapFilePath(saveFolder_, LandName(), QStringLiteral(".LTS")))
            .absoluteFilePath();
    if ((modified_ || ownFile_ != map) && !Save())
        return;
    if (ownFile_ != map)
        return; // saved as a draft: there is nothing to play yet
    if (OnPlay && OnPlay(TMapSource::Named(LandName())))
        close();
}

namespace {

// What the editor's undo menu calls a step.
QString StepName(std::optional<TLandEdit::TStepKind> kind) {
    if (!kind)
        return QString();
    switch (*kind) {
    case TLandEdit::TStepKind::Stroke:
        return TIslandEditorForm::tr("кисть");
    case TLandEdit::TStepKind::Fill:
        return TIslandEditorForm::tr("заливка");
    case TLandEdit::TStepKind::Start:
        return TIslandEditorForm::tr("начало");
    case TLandEdit::TStepKind::Island:
        return TIslandEditorForm::tr("остров");
    case TLandEdit::TStepKind::Names:
        return TIslandEditorForm::tr("надпись");
    }
    return QString();
}

} // namespace

void TIslandEditorForm::Undo() {
    edit_->Undo();
    Edited();
}

void TIslandEditorForm::Redo() {
    edit_->Redo();
    Edited();
}

void TIslandEditorForm::Edited() {
    modified_ = true;
    Changed();
}

void TIslandEditorForm::Changed() {
    const TIslandLand& land = edit_->Land();
    earth_.LoadEarth(edit_->Files(), TMapSource::Named(LandName()));
    drawn_ = earth_.Grid;
    view_->SetSelection(earth_.StartCell);
    TMapView::PaintOverview(earth_.Scene, Plan->BackgroundToCover());
    Plan->update();
    pb1->UpdateImage();
    problems_ = CheckMap(land.Grid, QPoint(land.Start.X, land.Start.Y), catalogue_);
    ShowProblems();
    ShowStepItem(*miUndo, TMenuItem::Undo, StepName(edit_->NextUndo()));
    ShowStepItem(*miRedo, TMenuItem::Redo, StepName(edit_->NextRedo()));
    ShowTitle();
    ShowPointer(pointer_);
}

void TIslandEditorForm::ShowTitle() {
    setWindowTitle(tr("Редактор островов — %1%2")
                       .arg(LandName(), modified_ ? QStringLiteral(" *") : QString()));
}

void TIslandEditorForm::ShowProblems() {
    const QSignalBlocker blocker(lbProblems);
    const int row = lbProblems->currentRow();
    lbProblems->clear();
    for (const TMapProblem& problem : problems_)
        new QListWidgetItem(style()->standardIcon(problem.Error ? QStyle::SP_MessageBoxCritical
                                                                : QStyle::SP_MessageBoxWarning),
                            problem.Text, lbProblems);
    if (problems_.empty())
        new QListWidgetItem(style()->standardIcon(QStyle::SP_DialogApplyButton),
                            tr("Карта готова к игре."), lbProblems);
    // The problem shown stays in view while it is still there.
    lbProblems->setCurrentRow(row < static_cast<int>(problems_.size()) ? row : -1);
    ShowProblem(lbProblems->currentRow());
}

void TIslandEditorForm::ShowProblem(int row) {
    if (row < 0 || row >= static_cast<int>(problems_.size())) {
        marks_.SetProblem({}, false);
    } else {
        const TMapProblem& problem = problems_[static_cast<size_t>(row)];
        marks_.SetProblem(problem.Cells, problem.Error);
        if (!problem.Cells.empty() && lbProblems->hasFocus()) {
            const QPoint cell = problem.Cells.back();
            pb1->CenterPoint(cell.x() * CellSize + CellSize / 2,
                             cell.y() * CellSize + CellSize / 2);
        }
    }
    pb1->UpdateImage();
}

void TIslandEditorForm::MouseDown(Qt::MouseButton button, QPoint world) {
    if (button != Qt::LeftButton)
        return;
    const QPoint cell = CellOf(world);
    if (!TTerrainGrid::Contains(cell.x(), cell.y()))
        return;
    Tools()[tool_].Press(*this, cell);
}

void TIslandEditorForm::MouseMove(Qt::MouseButtons buttons, QPoint world) {
    const QPoint cell = CellOf(world);
    ShowPointer(cell);
    if (buttons & Qt::LeftButton && tool_ == etBrush && lastDab_)
        StrokeTo(cell);
}

void TIslandEditorForm::MouseUp(Qt::MouseButton button) {
    if (button != Qt::LeftButton || !lastDab_)
        return;
    lastDab_.reset();
    // A stroke that changed nothing is no step and no change.
    if (edit_->EndStroke())
        modified_ = true;
    Changed();
}

void TIslandEditorForm::StrokeTo(QPoint cell) {
    const QPoint from = lastDab_.value_or(cell);
    const int steps = std::max(std::abs(cell.x() - from.x()), std::abs(cell.y() - from.y()));
    const int size = edSize->value();
    const auto shape = TLandEdit::TBrushShape(cbShape->currentIndex());
    for (int step = lastDab_ ? 1 : 0; step <= steps; ++step) {
        const QPoint at = steps == 0 ? cell : from + (cell - from) * step / steps;
        edit_->Dab(at.x(), at.y(), Kind(), size, shape);
    }
    lastDab_ = cell;
    // The ground shows in its colours until the scene is drawn at the release.
    earth_.Grid = edit_->Land().Grid;
    const int reach = size / 2 + 1;
    UpdateCells(
        QRect(QPoint(std::min(from.x(), cell.x()) - reach, std::min(from.y(), cell.y()) - reach),
              QPoint(std::max(from.x(), cell.x()) + reach, std::max(from.y(), cell.y()) + reach)));
}

void TIslandEditorForm::UpdateCells(const QRect& cells) {
    const QRect world(cells.topLeft() * CellSize, cells.size() * CellSize);
    pb1->UpdateWorld(world);
}

void TIslandEditorForm::ShowPointer(QPoint cell) {
    const int size = edSize->value();
    // The cells the brush's outline may cover round the pointer.
    const auto brushArea = [this, reach = size / 2 + 1] {
        UpdateCells(QRect(pointer_ - QPoint(reach, reach), QSize(2 * reach + 1, 2 * reach + 1)));
    };
    brushArea();
    const QRect oldPreview = marks_.PreviewCells();
    if (cell != pointer_)
        raisedAt_.reset();
    pointer_ = cell;
    if (TTerrainGrid::Contains(cell.x(), cell.y()))
        lbCell->setText(tr("Клетка %1, %2: %3")
                            .arg(cell.x())
                            .arg(cell.y())
                            .arg(EarthKindName(edit_->Land().Grid.EarthKind(cell.x(), cell.y()))));
    marks_.BrushCell = cell;
    marks_.BrushSize = tool_ == etBrush ? size : tool_ == etIsland ? 0 : 1;
    marks_.BrushShape = TLandEdit::TBrushShape(cbShape->currentIndex());
    marks_.SetPreview(tool_ == etIsland && TTerrainGrid::Contains(cell.x(), cell.y()) &&
                              raisedAt_ != cell
                          ? Island()
                          : nullptr,
                      cell);
    brushArea();
    if (!oldPreview.isEmpty())
        UpdateCells(oldPreview);
    if (!marks_.PreviewCells().isEmpty())
        UpdateCells(marks_.PreviewCells());
    if (!oldPreview.isEmpty() || !marks_.PreviewCells().isEmpty())
        Plan->update();
}

const TRaisedIsland* TIslandEditorForm::Island() {
    bool ok = false;
    const uint seed = edSeed->text().toUInt(&ok);
    if (!ok)
        return nullptr;
    const TIslandKey key{seed, edScale->value()};
    if (islandKey_ != key) {
        island_ = MakeRaisedIsland(key.Seed, key.Scale);
        islandKey_ = key;
        QRect cells;
        for (const TRaisedIsland::TCell& cell : island_.Cells)
            cells |= QRect(cell.Offset, QSize(1, 1));
        islandCorner_ = cells.topLeft();
        const QPoint span = TMapView::CellOnPlan(QPoint(cells.width(), cells.height()));
        islandOnPlan_ =
            QImage(QSize(span.x() + 1, span.y() + 1), QImage::Format_ARGB32_Premultiplied);
        islandOnPlan_.fill(Qt::transparent);
        QPainter painter(&islandOnPlan_);
        for (const TRaisedIsland::TCell& cell : island_.Cells)
            painter.fillRect(QRect(TMapView::CellOnPlan(cell.Offset - islandCorner_), QSize(1, 1)),
                             QColor(0xF4, 0xEC, 0xD4, 200));
    }
    return &island_;
}

void TIslandEditorForm::ShowIsland() {
    if (const TRaisedIsland* island = Island())
        pcIsland->setPixmap(QPixmap::fromImage(DrawRaisedIsland(*island, pcIsland->size())));
    else
        pcIsland->setText(tr("Нет номера"));
    ShowPointer(pointer_);
}

void TIslandEditorForm::NameAt(QPoint cell) {
    std::vector<TMapLabel> labels = edit_->Land().Labels;
    const int at = LabelAt(labels, cell);
    const TMapLabel was = at >= 0
                              ? labels[static_cast<size_t>(at)]
                              : TMapLabel{QString(), QStringLiteral("place"), {cell.x(), cell.y()}};
    const std::optional<TMapLabel> label = AskLabel(this, was, at >= 0);
    if (!label || (at < 0 && label->Text.isEmpty()))
        return;
    if (at < 0)
        labels.push_back(*label);
    else if (label->Text.isEmpty())
        labels.erase(labels.begin() + at);
    else
        labels[static_cast<size_t>(at)] = *label;
    edit_->SetLabels(std::move(labels));
    Edited();
}

void TIslandEditorForm::closeEvent(QCloseEvent* event) {
    if (KeepChanges())
        event->accept();
    else
        event->ignore();
}
