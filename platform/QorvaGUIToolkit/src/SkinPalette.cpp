#include <QorvaGUIToolkit/SkinPalette.h>

#include <QorvaGUIToolkit/Application.h>

namespace QorvaGUIToolkit {

SkinPalette SkinPalette::forDirectory(const QString &skinDir)
{
    if (skinDir == QLatin1String("neutral"))
        return {QColor("#F5F6F8"), QColor("#FFFFFF"), QColor("#F0F1F4"), QColor("#DCDFE6"),
                QColor("#1F2329"), QColor("#646A73"), QColor("#3370FF"), QColor("#5B8CFF"),
                QColor("#E8F0FF"), QColor("#1E9E4A"), QColor("#C27C0E"), QColor("#D93026")};
    if (skinDir == QLatin1String("bright"))
        return {QColor("#E9EAEC"), QColor("#F7F7F8"), QColor("#FFFFFF"), QColor("#CFD2D8"),
                QColor("#1F2329"), QColor("#5F6368"), QColor("#D9363E"), QColor("#E5545B"),
                QColor("#F6E3E4"), QColor("#1E9E4A"), QColor("#C27C0E"), QColor("#D93026")};
    if (skinDir == QLatin1String("blue"))
        return {QColor("#0F1B2D"), QColor("#15243A"), QColor("#1C2F4A"), QColor("#2A4264"),
                QColor("#E3EAF4"), QColor("#8FA3BF"), QColor("#2F81F7"), QColor("#58A0FF"),
                QColor("#1F3A5F"), QColor("#3FB950"), QColor("#D29922"), QColor("#F85149")};
    return {QColor("#1B1C1F"), QColor("#232428"), QColor("#2C2E33"), QColor("#3A3C42"),
            QColor("#E6E6E6"), QColor("#9A9CA3"), QColor("#D9363E"), QColor("#E5545B"),
            QColor("#3A2A2C"), QColor("#3FB950"), QColor("#D29922"), QColor("#F85149")};
}

SkinPalette SkinPalette::current()
{
    return forDirectory(skinDirectory(skinType()));
}

} // namespace QorvaGUIToolkit
