#pragma once
// Display texts of the codes that several pages show: gender, identity document type,
// visit reason, credential kinds, download result and the kind of data whose download
// failed. Every text is translated into the current language when asked for, so call
// these where the text is shown, not once at start.

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>

namespace visitorclient {

class CDisplayTexts
{
    Q_DECLARE_TR_FUNCTIONS(CDisplayTexts)

public:
    /// 1 male, 2 female, anything else unknown.
    static QString gender(int code);

    /// Identity document type: 0 and 1 identity card, 2 travel permit, 3 permanent
    /// resident card, 4 passport, 5 temporary card, 6 driving licence, 7 permanent
    /// residence card, 8 business card, anything else "other card".
    static QString documentType(int code);
    /// The five types a visitor may present in the forms, in offering order:
    /// (0, identity card), (2, ...), (4, ...), (6, ...), (8, business card).
    static QList<QPair<int, QString>> documentTypeChoices();

    /// A stored visit-reason key ("training", "meeting", "business", "visiting",
    /// "other", "custom") as its translated name; any other text (a reason the operator
    /// named) is shown unchanged.
    static QString visitReason(const QString &stored);
    /// The key a built-in reason is stored under, from its translated name: "training",
    /// "meeting", "business" or "visiting"; any other name gives "other".
    static QString visitReasonKey(const QString &displayName);

    /// Credential codes separated by "," ("1" visitor card, "2" QR code, "3" face) as
    /// their names joined by ","; other parts, empty ones included, are left out.
    static QString credentialKinds(const QString &codes);

    /// Permission download result: 0 not applied, 1 succeeded, 2 partly succeeded,
    /// anything else failed.
    static QString downloadResult(int code);

    /// Kind of data whose download failed on a device: 0 person, 1 card, 2 face;
    /// anything else an empty text.
    static QString failureKind(int code);
};

} // namespace visitorclient
