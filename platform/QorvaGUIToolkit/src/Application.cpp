#include <QorvaGUIToolkit/Application.h>

#include <QorvaGUIToolkit/CFile.h>

#include <Base/Log.h>

#include <QApplication>
#include <QDir>
#include <QMutex>
#include <QMutexLocker>
#include <QPropertyAnimation>
#include <QWidget>

namespace QorvaGUIToolkit {

namespace {

struct GuiSettings
{
    QMutex mutex;
    QString skinType;
    QLocale locale = QLocale::system();
};

GuiSettings &settings()
{
    static GuiSettings s;
    return s;
}

} // namespace

QString GetTargetPath()
{
    QString dir;
    if (QCoreApplication::instance())
        dir = QCoreApplication::applicationDirPath();
    if (dir.isEmpty())
        dir = QDir::currentPath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

void InitGuiLocale(const QLocale &locale)
{
    {
        QMutexLocker lock(&settings().mutex);
        settings().locale = locale;
    }
    QLocale::setDefault(locale);
    LOG_INFO("GUI locale [%s].", locale.name().toUtf8().constData());
}

QLocale guiLocale()
{
    QMutexLocker lock(&settings().mutex);
    return settings().locale;
}

void initGuiLayoutDirection(bool leftToRight)
{
    QGuiApplication::setLayoutDirection(leftToRight ? Qt::LeftToRight : Qt::RightToLeft);
}

void initSkinType(const QString &type)
{
    QMutexLocker lock(&settings().mutex);
    settings().skinType = type;
}

QString skinType()
{
    QMutexLocker lock(&settings().mutex);
    return settings().skinType;
}

QString skinDirectory(const QString &type)
{
    if (type == QLatin1String("NeutralSkin"))
        return QStringLiteral("neutral");
    if (type == QLatin1String("GreyRedSkin"))
        return QStringLiteral("bright");
    if (type == QLatin1String("BlueSkin"))
        return QStringLiteral("blue");
    return QStringLiteral("dark");
}

QString skinStyleSheet(const QString &skinDir)
{
    const QString dir = QStringLiteral(":/QorvaGUIToolKit/Skins/%1/").arg(skinDir);
    QDir resourceDir(dir);
    if (skinDir.isEmpty() || !resourceDir.exists())
        return QString();
    QStringList files = resourceDir.entryList({QStringLiteral("*.qss")}, QDir::Files, QDir::Name);
    // Shared shape rules first, the skin's colours after them.
    QStringList common, skin;
    for (const QString &f : files)
        (f.startsWith(QLatin1String("Common")) ? common : skin) << f;
    return CFile::ReadAll(common + skin, dir);
}

QWidget *GetIndependentWindow(QWidget *widget)
{
    return widget ? widget->window() : nullptr;
}

void rightSlideAnimation(QWidget *widget, QWidget *reference, int milliseconds)
{
    if (!widget || !reference) {
        LOG_WARN("rightSlideAnimation without widget or reference.");
        return;
    }
    QWidget *parent = widget->parentWidget();
    QPoint topLeft = reference->mapToGlobal(QPoint(0, 0));
    if (parent)
        topLeft = parent->mapFromGlobal(topLeft);
    const int width = widget->width() > 0 ? widget->width() : widget->sizeHint().width();
    const QRect end(topLeft.x() + reference->width() - width, topLeft.y(), width,
                    reference->height());
    const QRect start(topLeft.x() + reference->width(), topLeft.y(), width, reference->height());

    widget->show();
    widget->raise();
    if (milliseconds <= 0) {
        widget->setGeometry(end);
        return;
    }
    widget->setGeometry(start);
    auto *animation = new QPropertyAnimation(widget, "geometry", widget);
    animation->setDuration(milliseconds);
    animation->setStartValue(start);
    animation->setEndValue(end);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

} // namespace QorvaGUIToolkit
