#include "newislandform.h"

#include "land/earth.h"
#include "map/editmarks.h"
#include "map/mapview.h"
#include "model/describe.h"
#include "model/game.h"
#include "model/services.h"
#include "ui/smallcontrols.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>
#include <limits>

QImage DrawLandPreview(const TMapSource& source, const QStringList& folders) {
    TEarth earth;
    earth.Scene.MeasureTexts = false; // the overview shows no texts
    try {
        earth.LoadEarth(source, folders);
    } catch (const TGameError&) {
        return QImage();
    }
    QImage picture(LandPreviewSize, QImage::Format_RGB32);
    TMapView::PaintOverview(earth.Scene, picture);
    QPainter painter(&picture);
    const QPoint start = TMapView::CellOnPlan(earth.StartCell);
    painter.fillRect(QRect(start - QPoint(2, 2), QSize(5, 5)), Qt::red);
    return picture;
}

TNewIslandForm::TNewIslandForm(QWidget* parent, TWindowServices& services,
                               const QStringList& folders, uint32_t seed, bool forEditor)
    : TGameDialog(parent, forEditor ? tr("Новая карта") : tr("Новая игра"), QSize(400, 262)),
      services_(services), folders_(folders) {
    auto* caption =
        new QLabel(forEditor ? tr("С чего начать карту:") : tr("Где начать колонию:"), this);
    caption->setGeometry(8, 8, 168, 16);
    lbMaps = new QListWidget(this);
    lbMaps->setObjectName(QStringLiteral("lbMaps"));
    lbMaps->setGeometry(8, 26, 168, 150);
    if (forEditor)
        new QListWidgetItem(tr("Пустое море"), lbMaps);
    for (const QString& name : MapNames(folders)) {
        auto* item = new QListWidgetItem(tr("Карта «%1»").arg(name), lbMaps);
        item->setData(Qt::UserRole, name);
    }
    new QListWidgetItem(tr("Случайный остров"), lbMaps);

    auto* seedCaption = new QLabel(tr("Номер острова:"), this);
    seedCaption->setGeometry(8, 186, 168, 16);
    edSeed = new QLineEdit(QString::number(seed), this);
    edSeed->setObjectName(QStringLiteral("edSeed"));
    edSeed->setGeometry(8, 204, 168, 21);
    edSeed->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), edSeed));

    TGameDialog::LoweredPanel(this, QRect(QPoint(184, 8), LandPreviewSize + QSize(4, 4)));
    pcPreview = new QLabel(this);
    pcPreview->setObjectName(QStringLiteral("pcPreview"));
    pcPreview->setGeometry(QRect(QPoint(186, 10), LandPreviewSize));
    pcPreview->setAlignment(Qt::AlignCenter);
    pcPreview->setWordWrap(true);

    btOk = AddOkCancel(forEditor ? tr("Открыть") : tr("Начать"), QPoint(236, 233), services_);
    blankSea_ = forEditor;

    connect(&drawing_, &QFutureWatcher<QImage>::finished, this, [this] {
        drawn_ = true;
        ShowPreview(drawing_.result());
    });
    connect(lbMaps, &QListWidget::currentRowChanged, this, [this] {
        edSeed->setEnabled(lbMaps->currentRow() == lbMaps->count() - 1);
        ChoiceChanged();
    });
    connect(edSeed, &QLineEdit::textChanged, this, [this] { ChoiceChanged(); });
    lbMaps->setCurrentRow(0);
}

TNewIslandForm::~TNewIslandForm() {
    drawing_.waitForFinished();
}

bool TNewIslandForm::BlankSea() const {
    return blankSea_ && lbMaps->currentRow() == 0;
}

std::optional<TMapSource> TNewIslandForm::Choice() const {
    const QListWidgetItem* item = lbMaps->currentItem();
    if (!item || BlankSea())
        return std::nullopt;
    if (lbMaps->currentRow() < lbMaps->count() - 1)
        return TMapSource::Named(item->data(Qt::UserRole).toString());
    bool ok = false;
    const uint seed = edSeed->text().toUInt(&ok);
    return ok ? std::optional(TMapSource::Random(seed)) : std::nullopt;
}

void TNewIslandForm::ChoiceChanged() {
    const std::optional<TMapSource> choice = Choice();
    btOk->setEnabled(choice.has_value() || BlankSea());
    if (drawing_.isRunning()) {
        stale_ = true;
        return;
    }
    stale_ = false;
    chosen_ = choice.has_value();
    if (BlankSea()) {
        QImage sea(LandPreviewSize, QImage::Format_RGB32);
        sea.fill(TEditMarks::KindColour(ekSea));
        ShowPreview(sea);
    } else if (!choice)
        ShowPreview(QImage());
    else {
        drawn_ = false;
        drawing_.setFuture(QtConcurrent::run(DrawLandPreview, *choice, folders_));
    }
}

void TNewIslandForm::ShowPreview(const QImage& picture) {
    // The player chose again while this one was drawn: draw the latest.
    if (stale_) {
        ChoiceChanged();
        return;
    }
    preview_ = picture;
    if (!picture.isNull())
        pcPreview->setPixmap(QPixmap::fromImage(picture));
    else if (chosen_)
        pcPreview->setText(tr("Эту карту не удаётся прочитать."));
    else
        pcPreview->setText(tr("Введите номер острова от 0 до %1.")
                               .arg(NumToStr(std::numeric_limits<uint32_t>::max())));
}

QImage TNewIslandForm::Preview() {
    // A drawing that has finished may not have told the window yet; its news
    // may start the drawing of a later choice.
    while (!drawn_) {
        drawing_.waitForFinished();
        QCoreApplication::sendPostedEvents();
        if (!drawn_)
            QThread::yieldCurrentThread();
    }
    return preview_;
}

bool TNewIslandForm::ShowModal() {
    return exec() == Accepted && (Choice().has_value() || BlankSea());
}
