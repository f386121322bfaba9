#include "uitesting.h"

#include "base/paths.h"
#include "model/market.h"
#include "model/scenario.h"
#include "model/taxes.h"
#include "ui/advisorform.h"
#include "ui/application.h"
#include "ui/goalsform.h"
#include "ui/helloform.h"
#include "ui/helpwindow.h"
#include "ui/infoform.h"
#include "ui/islandeditor.h"
#include "ui/journalform.h"
#include "ui/marketform.h"
#include "ui/nalogform.h"
#include "ui/scenarioendform.h"
#include "ui/seasonform.h"
#include "ui/smallcontrols.h"
#include "ui/statisticsform.h"
#include "ui/statuswidgets.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

// The room a title bar leaves for the title beside its icon and close box.
constexpr int TitleBarButtons = 48;

QString Shown(QString text) {
    return text.remove(u'&');
}

// The widest line of a text in a font.
int TextWidth(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The width a label's text needs: for a wrapped one its longest word, or
// its box's width when its lines take more height than the box has.
int LabelNeeds(const QLabel& label) {
    const QString text = label.buddy() ? Shown(label.text()) : label.text();
    if (!label.wordWrap())
        return TextWidth(label.fontMetrics(), text);
    const QRect room = label.contentsRect();
    int widest = 0;
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+"))))
        widest = std::max(widest, label.fontMetrics().horizontalAdvance(word));
    return label.heightForWidth(room.width()) > room.height() ? room.width() + 1 : widest;
}

// Every text of a window and its controls that is wider than its room,
// measured in the control's own font: labels, buttons, check boxes, the
// choices of a list, the menu titles, the status panel's captions and the
// window's title.
QStringList Overflows(QWidget& window) {
    window.show();
    QCoreApplication::processEvents();
    QStringList found;
    const auto note = [&found, &window](const QWidget& widget, const QString& text, int needs,
                                        int room) {
        if (needs > room)
            found << QStringLiteral("%1 / %2: «%3» needs %4 pixels, has %5")
                         .arg(window.windowTitle(), widget.objectName(), text)
                         .arg(needs)
                         .arg(room);
    };
    note(window, window.windowTitle(), TextWidth(window.fontMetrics(), window.windowTitle()),
         window.width() - TitleBarButtons);
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull()) {
            note(*label, label->text(), LabelNeeds(*label), label->contentsRect().width());
            // A label that sizes itself to its text stays inside its panel.
            note(*label, label->text(), label->geometry().right(),
                 label->parentWidget()->width() - 1);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            note(*button, button->text(), button->sizeHint().width(), button->width());
        else if (auto* box = qobject_cast<QComboBox*>(widget))
            note(*box, box->currentText(), box->sizeHint().width(), box->width());
        else if (auto* button = dynamic_cast<TvtButton*>(widget))
            note(*button, button->Caption(),
                 TextWidth(button->fontMetrics(), Shown(button->Caption())), button->width());
        else if (auto* bar = qobject_cast<QMenuBar*>(widget))
            for (QAction* menu : bar->actions())
                note(*bar, menu->text(), bar->actionGeometry(menu).right(), bar->width() - 1);
        else if (auto* panel = qobject_cast<TStatusPanel*>(widget))
            for (const auto& text : panel->Texts())
                note(*panel, text->text(), TextWidth(panel->fontMetrics(), text->text()),
                     text->Bounds().width());
    }
    return found;
}

} // namespace

// Every window and dialog of the game in each language it speaks: no text is
// cut off by the room the window gives it.
TEST(TextsFit, EveryWindowAndDialogInEachLanguage) {
    const QFont kept = QApplication::font();
    TApplication::SetUpFonts();
    for (const TLanguageRow& language : Languages()) {
        SCOPED_TRACE(language.Code);
        TTranslations texts;
        texts.Install(language.Language, TranslationsFolder(DataFolder()));
        // The catalogue was found: the game's first menu is named in the language.
        ASSERT_EQ(QCoreApplication::translate("Menus", "И&гра") == QStringLiteral("И&гра"),
                  IsSourceLanguage(language));
        TGameWindow w;
        TMainForm& f = w.Form;
        QStringList found = Overflows(f);
        {
            // The dialogs the menus open, as they open and at their
            // smallest, each closed once it is measured.
            TDialogAnswerer answerer([&found](QDialog& d) {
                found << Overflows(d);
                d.resize(d.minimumSizeHint());
                found << Overflows(d);
                d.reject();
            });
            f.miNewIslandClick();
            f.miNewScenarioClick();
            f.miParametersClick();
            f.miAboutClick();
            f.miReplayClick();
            f.OpenEditor().miNewClick();
        }
        THelloForm hello(nullptr, f, QStringLiteral("Autosave.dat"),
                         QStringLiteral("1 марта 1890"));
        TInfoForm info(&f, f, TSound::Destroy, QStringLiteral("—"));
        TSeasonForm season(&f, f, w.Images, 0);
        TMarketDialog buying(f.Colony(), false);
        TMarketForm buy(&f, buying, w.Images);
        TMarketDialog selling(f.Colony(), true);
        TMarketForm sell(&f, selling, w.Images);
        TTaxDialog yearly = TTaxDialog::Yearly(f.Colony());
        TNalogForm taxes(&f, f, yearly);
        TTaxDialog main = TTaxDialog::Main(f.Colony(), 123456);
        TNalogMainForm mainTax(&f, f, main);
        const TGoalBook noGoals({});
        TScenarioResult result;
        result.Title = QStringLiteral("—");
        result.State = TScenarioState::Won;
        TScenarioEndForm won(&f, f, result, noGoals, true);
        result.State = TScenarioState::Lost;
        TScenarioEndForm lost(&f, f, result, noGoals, false);
        for (QWidget* dialog : std::initializer_list<QWidget*>{&hello, &info, &season, &buy, &sell,
                                                               &taxes, &mainTax, &won, &lost})
            found << Overflows(*dialog);
        found << Overflows(f.OpenGoals()) << Overflows(f.OpenJournal())
              << Overflows(f.OpenAdvisor()) << Overflows(f.OpenEditor());
        TStatisticsForm& statistics = f.OpenStatistics();
        for (int page = 0; page < TStatisticsForm::PageCount; ++page) {
            statistics.ShowPage(static_cast<TStatisticsForm::TPage>(page));
            found << Overflows(statistics);
        }
        EXPECT_TRUE(found.isEmpty()) << found.join(u'\n').toStdString();
    }
    QApplication::setFont(kept);
}

// The help page in each language breaks its lines between words only, at
// the size its window opens with and in a narrow window alike: a table's
// column never cuts a word in two.
TEST(TextsFit, TheHelpBreaksNoWordAtAnyWidth) {
    for (const TLanguageRow& language : Languages()) {
        SCOPED_TRACE(language.Code);
        TTranslations texts;
        texts.Install(language.Language, TranslationsFolder(DataFolder()));
        THelpWindow help(QDir(DataFolder()).filePath(QLatin1String(language.HelpPage)), QString());
        auto* browser = help.findChild<QTextBrowser*>();
        ASSERT_NE(browser, nullptr);
        help.show();
        for (const int width : {help.width(), 420}) {
            help.resize(width, help.height());
            QApplication::processEvents();
            QTextDocument& page = *browser->document();
            page.documentLayout()->documentSize();
            QStringList cut;
            int lines = 0;
            for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
                const QString text = block.text();
                for (int i = 0; i + 1 < block.layout()->lineCount(); ++i) {
                    // A line that ends inside a word cuts it: letters or
                    // digits on both sides of the break.
                    const QTextLine line = block.layout()->lineAt(i);
                    const qsizetype at = line.textStart() + line.textLength();
                    ++lines;
                    if (at > 0 && at < text.size() && text[at - 1].isLetterOrNumber() &&
                        text[at].isLetterOrNumber())
                        cut << text.mid(at - 12, 12) + u'/' + text.mid(at, 6);
                }
            }
            EXPECT_GT(lines, 0) << width;
            EXPECT_TRUE(cut.isEmpty()) << width << ": " << cut.join(u'|').toStdString();
        }
    }
}
