#include <QorvaGUIToolkit/CFile.h>

#include <Base/Log.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace QorvaGUIToolkit {

namespace {

QString joinPath(const QString &dir, const QString &name)
{
    if (dir.isEmpty())
        return name;
    return dir.endsWith(QLatin1Char('/')) ? dir + name : dir + QLatin1Char('/') + name;
}

bool readText(const QString &path, QString *text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LOG_WARN("Failed to read style sheet [%s].", path.toUtf8().constData());
        return false;
    }
    *text = QString::fromUtf8(file.readAll());
    return true;
}

} // namespace

QString CFile::ReadAll(const QStringList &fileNames, const QString &dir)
{
    QString all;
    for (const QString &name : fileNames) {
        QString text;
        if (readText(joinPath(dir, name), &text)) {
            all += text;
            all += QLatin1Char('\n');
        }
    }
    return all;
}

QString CFile::ReadAllHb(const QStringList &fileNames, const QString &dir)
{
    QString all;
    for (const QString &name : fileNames) {
        const QFileInfo info(name);
        const QString hbName = info.completeBaseName() + QLatin1String("_Hb.") + info.suffix();
        const QString hbPath =
            joinPath(dir, info.path() == QLatin1String(".") ? hbName : info.path() + '/' + hbName);
        QString text;
        if (QFile::exists(hbPath)) {
            if (!readText(hbPath, &text))
                continue;
        } else {
            if (!readText(joinPath(dir, name), &text))
                continue;
            text = mirrorStyleSheet(text);
        }
        all += text;
        all += QLatin1Char('\n');
    }
    return all;
}

QString CFile::mirrorStyleSheet(const QString &styleSheet)
{
    // In a right-to-left layout Qt already mirrors alignment, padding and sub-control
    // positions, but draws borders where the sheet says: only border sides swap.
    static const QRegularExpression border(
        QStringLiteral("\\bborder-((?:top-|bottom-)?)(left|right)\\b"));
    QString out;
    int last = 0;
    auto it = border.globalMatch(styleSheet);
    while (it.hasNext()) {
        const auto m = it.next();
        out += styleSheet.midRef(last, m.capturedStart() - last);
        out += QLatin1String("border-") + m.captured(1) +
               (m.captured(2) == QLatin1String("left") ? QLatin1String("right")
                                                       : QLatin1String("left"));
        last = m.capturedEnd();
    }
    out += styleSheet.midRef(last);
    return out;
}

} // namespace QorvaGUIToolkit
