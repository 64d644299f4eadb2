// Shared display texts and the backend's error texts: the mappings that are easy to get
// wrong (unknown codes, empty parts, case, the reverse mapping in another language) and
// that every text exists in English and Simplified Chinese.

#include <UI/Window/Common/DisplayTexts.h>
#include <UI/Window/Common/ErrorTexts.h>

#include <UiDataController/ErrorInfoMgr.h>
#include <UiDataController/Translation.h>

#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QtTest>

using UiDataController::CErrorInfoMgr;
using visitorclient::CDisplayTexts;

namespace {

const int kEnglish = 0;
const int kChineseSimplified = 1;

// Every text the display mappings can produce, one per distinct code.
QStringList allDisplayTexts()
{
    QStringList texts;
    for (int code : {0, 1, 2})
        texts << CDisplayTexts::gender(code);
    for (int code = 0; code <= 9; ++code)
        texts << CDisplayTexts::documentType(code);
    for (const char *key : {"training", "meeting", "business", "visiting", "other", "custom"})
        texts << CDisplayTexts::visitReason(QString::fromLatin1(key));
    texts << CDisplayTexts::credentialKinds(QStringLiteral("1,2,3")).split(QLatin1Char(','));
    for (int code = 0; code <= 3; ++code)
        texts << CDisplayTexts::downloadResult(code);
    for (int code = 0; code <= 2; ++code)
        texts << CDisplayTexts::failureKind(code);
    return texts;
}

} // namespace

class TestPageTexts : public QObject
{
    Q_OBJECT
    QList<QTranslator *> m_translators;

    void useLanguage(int language)
    {
        for (QTranslator *t : m_translators)
            QCoreApplication::removeTranslator(t);
        qDeleteAll(m_translators);
        m_translators =
            UiDataController::loadTranslations(language, QStringLiteral(QORVA_TRANSLATION_DIR));
        QVERIFY(!m_translators.isEmpty());
    }

private slots:
    void initTestCase() { visitorclient::registerErrorTexts(); }
    void init() { useLanguage(kEnglish); }
    void cleanupTestCase() { qDeleteAll(m_translators); }

    void unknownCodesFallBackToTheirCatchAllText()
    {
        QCOMPARE(CDisplayTexts::gender(1), QStringLiteral("Male"));
        QCOMPARE(CDisplayTexts::gender(2), QStringLiteral("Female"));
        QCOMPARE(CDisplayTexts::gender(0), QStringLiteral("Unknown"));
        QCOMPARE(CDisplayTexts::gender(3), QStringLiteral("Unknown"));
        QCOMPARE(CDisplayTexts::documentType(1), CDisplayTexts::documentType(0));
        QCOMPARE(CDisplayTexts::documentType(9), QStringLiteral("Other document"));
        QCOMPARE(CDisplayTexts::documentType(-1), QStringLiteral("Other document"));
        QCOMPARE(CDisplayTexts::downloadResult(4), QStringLiteral("Failed"));
        QCOMPARE(CDisplayTexts::downloadResult(-1), QStringLiteral("Failed"));
        QCOMPARE(CDisplayTexts::failureKind(3), QString());
        QCOMPARE(CDisplayTexts::failureKind(-1), QString());
        // The document types the forms offer, in their order, with the same texts.
        QList<int> codes;
        for (const auto &choice : CDisplayTexts::documentTypeChoices()) {
            codes << choice.first;
            QCOMPARE(choice.second, CDisplayTexts::documentType(choice.first));
        }
        QCOMPARE(codes, QList<int>({0, 2, 4, 6, 8}));
    }

    void visitReasonsMapOnlyTheirExactKeys()
    {
        QCOMPARE(CDisplayTexts::visitReason(QStringLiteral("meeting")), QStringLiteral("Meeting"));
        QCOMPARE(CDisplayTexts::visitReason(QStringLiteral("other")), QStringLiteral("Other"));
        QCOMPARE(CDisplayTexts::visitReason(QStringLiteral("custom")), QStringLiteral("Custom"));
        // An operator's own reason, an empty one and another spelling stay as they are.
        QCOMPARE(CDisplayTexts::visitReason(QStringLiteral("Board meeting")),
                 QStringLiteral("Board meeting"));
        QCOMPARE(CDisplayTexts::visitReason(QStringLiteral("Meeting")), QStringLiteral("Meeting"));
        QCOMPARE(CDisplayTexts::visitReason(QStringLiteral("MEETING")), QStringLiteral("MEETING"));
        QCOMPARE(CDisplayTexts::visitReason(QString()), QString());

        for (const char *key : {"training", "meeting", "business", "visiting"})
            QCOMPARE(
                CDisplayTexts::visitReasonKey(CDisplayTexts::visitReason(QString::fromLatin1(key))),
                QString::fromLatin1(key));
        // Only the four the server knows by key come back; everything else is "other".
        QCOMPARE(
            CDisplayTexts::visitReasonKey(CDisplayTexts::visitReason(QStringLiteral("custom"))),
            QStringLiteral("other"));
        QCOMPARE(CDisplayTexts::visitReasonKey(QStringLiteral("Board meeting")),
                 QStringLiteral("other"));
        QCOMPARE(CDisplayTexts::visitReasonKey(QString()), QStringLiteral("other"));
    }

    void theReverseReasonMappingFollowsTheLanguage()
    {
        useLanguage(kChineseSimplified);
        const QString meeting = CDisplayTexts::visitReason(QStringLiteral("meeting"));
        QCOMPARE(meeting, QString::fromUtf8("会议"));
        QCOMPARE(CDisplayTexts::visitReasonKey(meeting), QStringLiteral("meeting"));
        // The English name is no reason's name any more.
        QCOMPARE(CDisplayTexts::visitReasonKey(QStringLiteral("Meeting")), QStringLiteral("other"));
    }

    void credentialKindsSkipEmptyAndUnknownParts()
    {
        QCOMPARE(CDisplayTexts::credentialKinds(QStringLiteral("1,,3,9")),
                 QStringLiteral("Visitor card,Face"));
        QCOMPARE(CDisplayTexts::credentialKinds(QStringLiteral("2")), QStringLiteral("QR code"));
        QCOMPARE(CDisplayTexts::credentialKinds(QStringLiteral("3,1")),
                 QStringLiteral("Face,Visitor card"));
        QCOMPARE(CDisplayTexts::credentialKinds(QString()), QString());
        QCOMPARE(CDisplayTexts::credentialKinds(QStringLiteral(",,")), QString());
        QCOMPARE(CDisplayTexts::credentialKinds(QStringLiteral(" 1,2 ")), QString());
    }

    void everyTextExistsInChinese()
    {
        useLanguage(kChineseSimplified);
        const QRegularExpression chinese(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
        for (const QString &text : allDisplayTexts())
            QVERIFY2(text.contains(chinese), qPrintable(text));
        for (const visitorclient::ErrorTextEntry &e : visitorclient::backendErrorTexts()) {
            const QString message =
                CErrorInfoMgr::GetErrorMessageByCode(int(e.module), int(e.code));
            QVERIFY2(message.contains(chinese),
                     qPrintable(QStringLiteral("%1-%2 %3").arg(e.module).arg(e.code).arg(message)));
        }
    }

    void everyBackendErrorHasItsOwnWords()
    {
        QSet<QString> seen;
        for (const visitorclient::ErrorTextEntry &e : visitorclient::backendErrorTexts()) {
            QVERIFY(CErrorInfoMgr::hasErrorText(int(e.module), int(e.code)));
            QCOMPARE(CErrorInfoMgr::GetErrorMessageByCode(int(e.module), int(e.code)),
                     QString::fromUtf8(e.text));
            seen.insert(QStringLiteral("%1-%2").arg(e.module).arg(e.code));
        }
        // Both modules of the route table and the codes the transport really sets.
        for (const char *pair :
             {"20-1", "20-18", "68-1", "68-6", "67-1003", "67-1008", "67-1009", "67-1015", "1-7"})
            QVERIFY2(seen.contains(QLatin1String(pair)), pair);
        QCOMPARE(CErrorInfoMgr::GetErrorInfoByCode(67, 1008),
                 QStringLiteral("The request timed out. (67-1008)"));
        QCOMPARE(CErrorInfoMgr::GetErrorMessageByCode(67, 9999),
                 QStringLiteral("Unknown error (module 67, code 9999)."));
    }
};

QTEST_GUILESS_MAIN(TestPageTexts)
#include "tst_page_texts.moc"
