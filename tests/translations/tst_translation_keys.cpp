// Every translation key used by the component must have an English text, or the page
// shows the raw key (many keys end in random suffixes).
#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct KeyUse
{
    QString key;
    QString file;
};

QString unescapeCString(const QString &text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text.at(++i);
            out += next == QLatin1Char('n') ? QChar(QLatin1Char('\n')) : next;
        } else {
            out += text.at(i);
        }
    }
    return out;
}

QList<KeyUse> keysInSources(const QString &root)
{
    static const QRegularExpression trCall(QStringLiteral(R"(\btr\(\s*"((?:[^"\\]|\\.)*)\")"));
    static const QRegularExpression translateCall(
        QStringLiteral(R"(\btranslate\(\s*"(?:[^"\\]|\\.)*"\s*,\s*"((?:[^"\\]|\\.)*)\")"));
    QList<KeyUse> uses;
    QDirIterator it(root, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpression *re : {&trCall, &translateCall}) {
            auto matches = re->globalMatch(text);
            while (matches.hasNext())
                uses.append({unescapeCString(matches.next().captured(1)), QDir(root).relativeFilePath(path)});
        }
    }
    return uses;
}

// Sources of finished, non-empty translations in the English files.
QSet<QString> englishKeys(const QString &tsDir, QStringList *files)
{
    QSet<QString> keys;
    const QFileInfoList tsFiles = QDir(tsDir).entryInfoList({QStringLiteral("*_en.ts")}, QDir::Files);
    for (const QFileInfo &info : tsFiles) {
        files->append(info.fileName());
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QXmlStreamReader xml(&file);
        QString source;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                const QString text = xml.readElementText();
                if (type.isEmpty() && !text.trimmed().isEmpty())
                    keys.insert(source);
            }
        }
    }
    return keys;
}

} // namespace

class TestTranslationKeys : public QObject
{
    Q_OBJECT
private slots:
    void scannerFindsBothCallForms();
    void everyKeyHasEnglishText();
};

void TestTranslationKeys::scannerFindsBothCallForms()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("sample.cpp")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("a = tr(\"KeyOne\"); b = QCoreApplication::translate(\"Ctx\", \"KeyTwo\");\n"
               "c = tr( \"Key \\\"Three\\\"\" ); d = str(\"NotAKey\");\n");
    file.close();
    QStringList keys;
    for (const KeyUse &use : keysInSources(dir.path()))
        keys << use.key;
    keys.sort();
    QCOMPARE(keys, QStringList({"Key \"Three\"", "KeyOne", "KeyTwo"}));
}

void TestTranslationKeys::everyKeyHasEnglishText()
{
    QStringList tsFiles;
    const QSet<QString> english = englishKeys(QStringLiteral(QORVA_TS_DIR), &tsFiles);
    QVERIFY2(!tsFiles.isEmpty(), "no *_en.ts files");
    const QList<KeyUse> uses = keysInSources(QStringLiteral(QORVA_SOURCE_DIR));
    QVERIFY(!uses.isEmpty());
    QStringList missing;
    for (const KeyUse &use : uses) {
        if (!english.contains(use.key))
            missing << QStringLiteral("%1 (%2)").arg(use.key, use.file);
    }
    missing.removeDuplicates();
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("keys without English text in %1: %2")
                                               .arg(tsFiles.join(QLatin1Char(',')), missing.join(QStringLiteral(", ")))));
}

QTEST_GUILESS_MAIN(TestTranslationKeys)
#include "tst_translation_keys.moc"
