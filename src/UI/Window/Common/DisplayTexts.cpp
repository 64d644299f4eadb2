#include "DisplayTexts.h"

#include <QStringList>

namespace visitorclient {

namespace {

struct ReasonKey
{
    const char *key;
    const char *name; // translation key of the reason's name
};

// Reasons a stored key may name; the first four are the ones the server knows by key.
const ReasonKey kReasons[] = {
    {"training", QT_TRANSLATE_NOOP("CDisplayTexts", "TrainingyjjemBra")},
    {"meeting", QT_TRANSLATE_NOOP("CDisplayTexts", "TheMeetingIJEiGEyh")},
    {"business", QT_TRANSLATE_NOOP("CDisplayTexts", "Qorva-7310_Client.Business.name")},
    {"visiting", QT_TRANSLATE_NOOP("CDisplayTexts", "VisitJkqgbiHF")},
    {"other", QT_TRANSLATE_NOOP("CDisplayTexts", "Others")},
    {"custom", QT_TRANSLATE_NOOP("CDisplayTexts", "Custom")},
};
const int kServerReasonCount = 4;

} // namespace

QString CDisplayTexts::gender(int code)
{
    switch (code) {
    case 1:
        return tr("Male");
    case 2:
        return tr("Female");
    default:
        return tr("UnKnown");
    }
}

QString CDisplayTexts::documentType(int code)
{
    switch (code) {
    case 0:
    case 1:
        return tr("IDCard");
    case 2:
        return tr("Qorva-7310_Client.HKMacaoTW.name");
    case 3:
        return tr("Qorva-7310_Client.PermanentResidentCard.name");
    case 4:
        return tr("Passport");
    case 5:
        return tr("TemporaryCard");
    case 6:
        return tr("DrivingLicense");
    case 7:
        return tr("PermanentResidentCard");
    case 8:
        return tr("Qorva-7310_Client.BusinessCard.name");
    default:
        return tr("OtherCard");
    }
}

QList<QPair<int, QString>> CDisplayTexts::documentTypeChoices()
{
    QList<QPair<int, QString>> choices;
    for (int code : {0, 2, 4, 6, 8})
        choices << qMakePair(code, documentType(code));
    return choices;
}

QString CDisplayTexts::visitReason(const QString &stored)
{
    for (const ReasonKey &reason : kReasons) {
        if (stored == QLatin1String(reason.key))
            return tr(reason.name);
    }
    return stored;
}

QString CDisplayTexts::visitReasonKey(const QString &displayName)
{
    for (int i = 0; i < kServerReasonCount; ++i) {
        if (displayName == tr(kReasons[i].name))
            return QString::fromLatin1(kReasons[i].key);
    }
    return QStringLiteral("other");
}

QString CDisplayTexts::credentialKinds(const QString &codes)
{
    QStringList names;
    for (const QString &part : codes.split(QLatin1Char(','))) {
        if (part == QLatin1String("1"))
            names << tr("TheVisitorCardToSRCRph");
        else if (part == QLatin1String("2"))
            names << tr("QRCode");
        else if (part == QLatin1String("3"))
            names << tr("Face");
    }
    return names.join(QLatin1Char(','));
}

QString CDisplayTexts::downloadResult(int code)
{
    switch (code) {
    case 0:
        return tr("NotApplied");
    case 1:
        return tr("Succeeded");
    case 2:
        return tr("PartialSucceeded");
    default:
        return tr("Failed");
    }
}

QString CDisplayTexts::failureKind(int code)
{
    switch (code) {
    case 0:
        return tr("Staff");
    case 1:
        return tr("QqjiCWV");
    case 2:
        return tr("Face");
    default:
        return QString();
    }
}

} // namespace visitorclient
