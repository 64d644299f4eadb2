#pragma once
// One blacklist entry: a person who is not to be admitted as a visitor.

#include <QMetaType>
#include <QString>

namespace visitorclient {

struct BlackData
{
    QString strGuid; ///< empty for entries added on this page
    QString strName;
    int iGender = 1;         ///< 1 male, 2 female
    int iIdentityType = 0;   ///< document type code (CDisplayTexts::documentType)
    QString strIdentityCode; ///< document number
    QString strRemark;       ///< "--" when the operator left it empty
    QString strAddTime;      ///< local time of adding, "yyyy/MM/dd HH:mm:ss"
};

/// Registers BlackData as the metatype "BlackData". Any thread; again is harmless.
void registerBlackDataMetaType();

} // namespace visitorclient

Q_DECLARE_METATYPE(visitorclient::BlackData)
