#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <map>

namespace {

struct Message {
    QString context, source;
    bool translated = false;
};

QList<Message> readTs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.append({context, {}, false});
        else if (xml.name() == QLatin1String("source") && !messages.isEmpty())
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && !messages.isEmpty())
            messages.last().translated = xml.attributes().value(QLatin1String("type")).isEmpty() &&
                                         !xml.readElementText().isEmpty();
    }
    return messages;
}

bool hasChinese(const QString& text) {
    static const QRegularExpression han(QStringLiteral("\\p{Han}"));
    return text.contains(han);
}

} // namespace

// The desktop program's texts as lupdate finds them in the sources today: English covers every
// Chinese text and Chinese every English one, so no new text shows untranslated.
class TranslationFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTextOfTheDesktopProgramIsTranslated() {
        // Names that read the same in both languages.
        const QStringList sameInBoth{QStringLiteral("VT03 HSL 4K"), QStringLiteral("VT03 RGB 4K"),
                                     QStringLiteral("6561 64")};
        QTemporaryDir dir;
        for (const char* language : {"en", "zh_CN"}) {
            const QString name = QStringLiteral("kadro_%1.ts").arg(QLatin1String(language));
            const QString copy = dir.filePath(name);
            QVERIFY(QFile::copy(QStringLiteral(KADRO_SOURCE_DIR "/translations/") + name, copy));
            QProcess lupdate;
            lupdate.start(QStringLiteral(KADRO_LUPDATE),
                          {QStringLiteral(KADRO_SOURCE_DIR "/src/gui"), QStringLiteral("-ts"), copy,
                           QStringLiteral("-locations"), QStringLiteral("none"),
                           QStringLiteral("-no-obsolete"), QStringLiteral("-silent")});
            QVERIFY(lupdate.waitForFinished(60000));
            QCOMPARE(lupdate.exitCode(), 0);
            const QList<Message> messages = readTs(copy);
            QVERIFY(messages.size() > 200);
            const bool chinese = QLatin1String(language) == QLatin1String("zh_CN");
            for (const Message& m : messages) {
                const bool needed = chinese
                                        ? !hasChinese(m.source) && !sameInBoth.contains(m.source)
                                        : hasChinese(m.source);
                QVERIFY2(!needed || m.translated, qPrintable(name + QLatin1Char(' ') + m.context +
                                                             QStringLiteral(": ") + m.source));
            }
        }
    }
};

QTEST_MAIN(TranslationFilesTest)
#include "TranslationFilesTest.moc"
