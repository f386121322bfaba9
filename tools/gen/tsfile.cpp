#include "tsfile.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QXmlStreamReader>

namespace {

struct TTranslation {
    QString Text;
    bool Finished = false;
};

// The catalogue's messages by context, comment and source, and by context
// and comment alone for a text whose Russian changed.
struct TKnown {
    QHash<QString, TTranslation> Exact;
    QHash<QString, TTranslation> ByKey;
};

QString ExactKey(const QString& context, const QString& comment, const QString& source) {
    return context + QChar(0) + comment + QChar(0) + source;
}

QString KeyOnly(const QString& context, const QString& comment) {
    return context + QChar(0) + comment;
}

QString Escaped(const QString& text) {
    return QString(text)
        .replace(u'&', QStringLiteral("&amp;"))
        .replace(u'<', QStringLiteral("&lt;"))
        .replace(u'>', QStringLiteral("&gt;"))
        .replace(u'"', QStringLiteral("&quot;"))
        .replace(u'\'', QStringLiteral("&apos;"));
}

TKnown Known(const QString& path) {
    TKnown known;
    for (const TTsMessage& message : ReadTsFile(path)) {
        const TTranslation translation{message.Translation, message.Finished};
        known.Exact.insert(ExactKey(message.Context, message.Comment, message.Source), translation);
        if (!message.Comment.isEmpty())
            known.ByKey.insert(KeyOnly(message.Context, message.Comment), translation);
    }
    return known;
}

// The language the catalogue is written in, as its file names it; English
// for a catalogue not yet written.
QString CatalogueLanguage(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QXmlStreamReader xml(&file);
        if (xml.readNextStartElement() && xml.name() == u"TS") {
            QString language = xml.attributes().value(QStringLiteral("language")).toString();
            if (!language.isEmpty())
                return language;
        }
    }
    return QStringLiteral("en_US");
}

} // namespace

std::vector<TTsMessage> ReadTsFile(const QString& path, QString* error) {
    std::vector<TTsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            messages.emplace_back().Context = context;
            messages.back().Numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
        } else if (messages.empty()) {
            continue;
        } else if (name == u"source") {
            messages.back().Source = xml.readElementText();
        } else if (name == u"comment") {
            messages.back().Comment = xml.readElementText();
        } else if (name == u"translation") {
            messages.back().Finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            if (!messages.back().Numerus)
                messages.back().Translation = xml.readElementText();
        } else if (name == u"numerusform") {
            messages.back().PluralForms << xml.readElementText();
        }
    }
    if (xml.hasError() && error)
        *error = xml.errorString();
    return messages;
}

bool UpdateTsFile(const QString& path, const std::vector<TDataEntry>& texts) {
    const TKnown known = Known(path);
    QStringList contexts;
    QHash<QString, QString> messages; // by context, in the texts' order
    QSet<QString> written;
    for (const TDataEntry& text : texts) {
        const QString exact = ExactKey(text.File, text.Key, text.Text);
        if (written.contains(exact))
            continue;
        written.insert(exact);
        TTranslation translation = known.Exact.value(exact);
        if (translation.Text.isEmpty() && !text.Key.isEmpty())
            translation = {known.ByKey.value(KeyOnly(text.File, text.Key)).Text, false};
        if (!messages.contains(text.File))
            contexts << text.File;
        QString& out = messages[text.File];
        out +=
            QStringLiteral("    <message>\n        <source>%1</source>\n").arg(Escaped(text.Text));
        if (!text.Key.isEmpty())
            out += QStringLiteral("        <comment>%1</comment>\n").arg(Escaped(text.Key));
        out += QStringLiteral("        <translation%1>%2</translation>\n    </message>\n")
                   .arg(translation.Finished ? QString() : QStringLiteral(" type=\"unfinished\""),
                        Escaped(translation.Text));
    }
    QString ts = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                                "<TS version=\"2.1\" language=\"%1\" sourcelanguage=\"ru_RU\">\n")
                     .arg(Escaped(CatalogueLanguage(path)));
    for (const QString& context : contexts)
        ts += QStringLiteral("<context>\n    <name>%1</name>\n%2</context>\n")
                  .arg(Escaped(context), messages.value(context));
    ts += QStringLiteral("</TS>\n");
    QFile file(path);
    const QByteArray bytes = ts.toUtf8();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}
