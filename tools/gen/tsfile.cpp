#include "tsfile.h"

#include <QFile>
#include <QHash>
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

TKnown ReadTsFile(const QString& path) {
    TKnown known;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return known;
    QXmlStreamReader xml(&file);
    QString context, source, comment;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"name")
            context = xml.readElementText();
        else if (name == u"message") {
            source.clear();
            comment.clear();
        } else if (name == u"source")
            source = xml.readElementText();
        else if (name == u"comment")
            comment = xml.readElementText();
        else if (name == u"translation") {
            const bool finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            const TTranslation translation{xml.readElementText(), finished};
            known.Exact.insert(ExactKey(context, comment, source), translation);
            if (!comment.isEmpty())
                known.ByKey.insert(KeyOnly(context, comment), translation);
        }
    }
    return known;
}

QString Escaped(const QString& text) {
    return QString(text)
        .replace(u'&', QStringLiteral("&amp;"))
        .replace(u'<', QStringLiteral("&lt;"))
        .replace(u'>', QStringLiteral("&gt;"))
        .replace(u'"', QStringLiteral("&quot;"))
        .replace(u'\'', QStringLiteral("&apos;"));
}

} // namespace

bool UpdateTsFile(const QString& path, const std::vector<TDataEntry>& texts) {
    const TKnown known = ReadTsFile(path);
    QStringList contexts;
    QHash<QString, QString> messages; // by context, in the texts' order
    QHash<QString, bool> written;
    for (const TDataEntry& text : texts) {
        const QString exact = ExactKey(text.File, text.Key, text.Text);
        if (written.contains(exact))
            continue;
        written.insert(exact, true);
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
    QString ts =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                       "<TS version=\"2.1\" language=\"en_US\" sourcelanguage=\"ru_RU\">\n");
    for (const QString& context : contexts)
        ts += QStringLiteral("<context>\n    <name>%1</name>\n%2</context>\n")
                  .arg(Escaped(context), messages.value(context));
    ts += QStringLiteral("</TS>\n");
    QFile file(path);
    const QByteArray bytes = ts.toUtf8();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}
