#include "aboutform.h"

#include "model/gamedate.h"
#include "resources/datamodule.h"
#include "ui/links.h"
#include "ui/smallcontrols.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPixmap>

TAboutForm::TAboutForm(QWidget* parent, QWidget* mainWindow)
    : TGameDialog(parent, tr("О программе"), QSize(385, 261), QStringLiteral("MS Sans Serif")) {
    QFrame* picture = LoweredPanel(this, QRect(8, 8, 130, 210));
    auto* im1 = new QLabel(picture);
    im1->setGeometry(1, 1, 128, 208);
    im1->setAlignment(Qt::AlignCenter);
    im1->setPixmap(TDM::LoadPicture(QStringLiteral(":/images/about.png")));

    auto addLabel = [this](const QString& text, const QRect& geometry) {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setGeometry(geometry);
        label->setText(text);
        return label;
    };
    QLabel* name = addLabel(tr("Тарвения"), QRect(152, 12, 225, 24));
    QFont big = name->font();
    big.setPixelSize(20);
    big.setBold(true);
    name->setFont(big);
    addLabel(tr("Версия %1").arg(QCoreApplication::applicationVersion()), QRect(152, 42, 225, 16));
    addLabel(tr("Экономическая стратегия: колония на острове, с %1 года, день за днём.")
                 .arg(DateText(TGameDate{})),
             QRect(152, 66, 225, 44));
    addLabel(tr("Авторы: команда разработчиков «Тарвении»."), QRect(152, 116, 225, 30));

    auto* lb6 = new TvtGyperLabel(QString::fromLatin1(MailAddress), this);
    lb6->setObjectName(QStringLiteral("lb6"));
    lb6->move(152, 160);
    lb6->adjustSize();
    lb6->OnClick = [mainWindow, lb6] {
        OpenLink(mainWindow, QStringLiteral("mailto:") + lb6->text());
    };
    auto* lb8 = new TvtGyperLabel(QString::fromLatin1(WebAddress), this);
    lb8->setObjectName(QStringLiteral("lb8"));
    lb8->move(152, 182);
    lb8->adjustSize();
    lb8->OnClick = [mainWindow, lb8] { OpenLink(mainWindow, lb8->text()); };

    auto* bt1 = new TvtButton(QStringLiteral("OK"), this);
    bt1->setObjectName(QStringLiteral("bt1"));
    bt1->setGeometry(156, 230, 73, 21);
    bt1->Default = true;
    bt1->Cancel = true;
    // The box opens on OK, not on the first link of the keyboard's order.
    bt1->setFocus();
    // It has no parent, so that it stays when a link minimises the game,
    // and opens over the game's window all the same.
    if (mainWindow && mainWindow->isVisible())
        move(mainWindow->frameGeometry().center() - QPoint(width() / 2, height() / 2));
}
