// Display services of the UI data library: error texts, locales, translation loading,
// notices, DPI.

#include <UiDataController/ErrorInfoMgr.h>
#include <UiDataController/HighDPIMgr.h>
#include <UiDataController/InformationMgr.h>
#include <UiDataController/Translation.h>
#include <UiDataController/TranslationLanguage.h>

#include <QorvaGUIToolkit/TestHooks.h>

#include <QTemporaryDir>
#include <QTranslator>
#include <QtConcurrent>
#include <QtTest>

using namespace UiDataController;
using Lang = qorva7310::TranslationLanguage;

class TestUiDataDisplay : public QObject
{
    Q_OBJECT

private:
    // Copies the compiled demo files into dir under the given names.
    static void stage(const QTemporaryDir &dir, const QStringList &names)
    {
        for (const QString &name : names) {
            const QString source = name.endsWith(QLatin1String("_zh_CN.qm"))
                                       ? QStringLiteral("demo_zh_CN.qm")
                                       : QStringLiteral("demo_en.qm");
            QVERIFY(
                QFile::copy(QStringLiteral(QORVA_TEST_QM_DIR "/") + source, dir.filePath(name)));
        }
    }

    static void unload(const QList<QTranslator *> &translators)
    {
        for (QTranslator *t : translators) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }

private slots:
    void knownErrorTexts_data()
    {
        QTest::addColumn<int>("module");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("fragment");
        // The pairs the HTTP-over-LPC client reports: 67 and the LPC link's own number.
        QTest::newRow("lpc not connected") << 67 << 1003 << "Not connected";
        QTest::newRow("lpc no server") << 67 << 1006 << "Not connected";
        QTest::newRow("lpc time-out") << 67 << 1008 << "timed out";
        QTest::newRow("lpc lost") << 67 << 1009 << "lost";
        QTest::newRow("lpc frame") << 67 << 1010 << "too large";
        QTest::newRow("lpc busy") << 67 << 1015 << "busy";
        for (int code = 1; code <= 7; ++code)
            QTest::newRow(qPrintable(QStringLiteral("json %1").arg(code))) << 1 << code << "";
    }

    void knownErrorTexts()
    {
        QFETCH(int, module);
        QFETCH(int, code);
        QFETCH(QString, fragment);
        const QString message = CErrorInfoMgr::GetErrorMessageByCode(module, code);
        QVERIFY(CErrorInfoMgr::hasErrorText(module, code));
        QVERIFY(!message.isEmpty());
        QVERIFY(!message.contains(QLatin1String("Unknown")));
        QVERIFY2(message.contains(fragment), qPrintable(message));
        QCOMPARE(CErrorInfoMgr::GetErrorInfoByCode(module, code),
                 QStringLiteral("%1 (%2-%3)").arg(message).arg(module).arg(code));
    }

    void jsonTextsAreDistinct()
    {
        QSet<QString> texts;
        for (int code = 1; code <= 7; ++code)
            texts.insert(CErrorInfoMgr::GetErrorMessageByCode(1, code));
        QCOMPARE(texts.size(), 7);
    }

    void unknownPairsNameBothNumbers_data()
    {
        QTest::addColumn<int>("module");
        QTest::addColumn<int>("code");
        QTest::newRow("unknown code") << 67 << 9999;
        QTest::newRow("unknown module") << 4242 << 1;
        QTest::newRow("json past table") << 1 << 8;
        QTest::newRow("negative") << -3 << -7;
    }

    void unknownPairsNameBothNumbers()
    {
        QFETCH(int, module);
        QFETCH(int, code);
        const QString text = CErrorInfoMgr::GetErrorInfoByCode(module, code);
        QVERIFY2(text.contains(QString::number(module)) && text.contains(QString::number(code)),
                 qPrintable(text));
        QCOMPARE(text, CErrorInfoMgr::GetErrorMessageByCode(module, code));
        QVERIFY(!CErrorInfoMgr::hasErrorText(module, code));
    }

    void registeredTextsWinAndWorkAcrossThreads()
    {
        CErrorInfoMgr::registerErrorText(2, 6900, QStringLiteral("The name is already in use."));
        QCOMPARE(CErrorInfoMgr::GetErrorMessageByCode(2, 6900),
                 QStringLiteral("The name is already in use."));
        // Pages read texts on worker threads while libraries register theirs.
        QFuture<int> readers = QtConcurrent::run([] {
            int known = 0;
            for (int i = 0; i < 2000; ++i)
                known += CErrorInfoMgr::GetErrorInfoByCode(67, 1015).isEmpty() ? 0 : 1;
            return known;
        });
        for (int i = 0; i < 200; ++i)
            CErrorInfoMgr::registerErrorText(3, i, QStringLiteral("text %1").arg(i));
        QCOMPARE(readers.result(), 2000);
        QCOMPARE(CErrorInfoMgr::GetErrorMessageByCode(3, 199), QStringLiteral("text 199"));
    }

    void successHasAText()
    {
        QVERIFY(!CErrorInfoMgr::GetErrorMessageByCode(0, 0).isEmpty());
        QVERIFY(!CErrorInfoMgr::GetErrorMessageByCode(0, 0).contains(QLatin1String("Unknown")));
    }

    void localesOfLanguages()
    {
        QCOMPARE(getLocale(Lang::English).name(), QStringLiteral("en_US"));
        QCOMPARE(getLocale(Lang::ChineseSimplified).name(), QStringLiteral("zh_CN"));
        QCOMPARE(getLocale(Lang::Arabic).textDirection(), Qt::RightToLeft);
        QCOMPARE(getLocale(Lang::Hebrew).textDirection(), Qt::RightToLeft);
        QCOMPARE(getLocale(Lang::French).textDirection(), Qt::LeftToRight);
        QCOMPARE(getLocale(999).name(), QStringLiteral("en_US"));
        QVERIFY(Lang::isRightToLeft(13) && Lang::isRightToLeft(34));
        QVERIFY(!Lang::isRightToLeft(0) && !Lang::isRightToLeft(1));
        QCOMPARE(translationLocaleName(Lang::ChineseSimplified), QStringLiteral("zh_CN"));
    }

    void loadsEveryDomainOfTheLanguage()
    {
        QTemporaryDir dir;
        stage(dir,
              {QStringLiteral("toolkit_shell_zh_CN.qm"),
               QStringLiteral("VisitorManagement_zh_CN.qm"), QStringLiteral("toolkit_shell_en.qm"),
               QStringLiteral("VisitorManagement_en.qm")});
        const auto translators = loadTranslations(Lang::ChineseSimplified, dir.path());
        QCOMPARE(translators.size(), 2);
        QCOMPARE(QCoreApplication::translate("Demo", "GreetingKey"), QStringLiteral("你好"));
        unload(translators);

        const auto english = loadTranslations(Lang::English, dir.path());
        // "_en.qm" must not pick "_zh_CN.qm" files.
        QCOMPARE(english.size(), 2);
        QCOMPARE(QCoreApplication::translate("Demo", "GreetingKey"), QStringLiteral("Hello"));
        unload(english);
    }

    void languageWithoutFilesFallsBackToEnglish()
    {
        QTemporaryDir dir;
        stage(dir,
              {QStringLiteral("toolkit_shell_en.qm"), QStringLiteral("toolkit_shell_zh_CN.qm")});
        const auto translators = loadTranslations(Lang::German, dir.path());
        QCOMPARE(translators.size(), 1);
        QCOMPARE(QCoreApplication::translate("Demo", "GreetingKey"), QStringLiteral("Hello"));
        unload(translators);
    }

    void missingOrBrokenFilesGiveNoTranslators()
    {
        QVERIFY(
            loadTranslations(Lang::English, QStringLiteral("/nonexistent/translations")).isEmpty());
        QVERIFY(loadTranslations(Lang::English, QString()).isEmpty());
        QTemporaryDir dir;
        QFile broken(dir.filePath(QStringLiteral("bad_en.qm")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a qm file");
        broken.close();
        QVERIFY(loadTranslations(Lang::English, dir.path()).isEmpty());
    }

    void noticesAreRecorded()
    {
        QorvaGUIToolkit::TestHooks::enable();
        QWidget page;
        CInformationMgr::ShowInformationAtScreenRightBottom(QStringLiteral("Saved"), &page, false,
                                                            false, false);
        CInformationMgr::ShowInformationAtScreenRightBottom(QStringLiteral("SaveFailed"), nullptr,
                                                            true, false, false);
        QCOMPARE(QorvaGUIToolkit::TestHooks::notices(),
                 (QStringList{QStringLiteral("Saved"), QStringLiteral("SaveFailed")}));
        QorvaGUIToolkit::TestHooks::disable();
    }

    void highDpiAfterTheApplicationOnlyWarns()
    {
        char name[] = "test";
        char *argv[] = {name, nullptr};
        CHighDPIMgr::Instance().doHighDPI(1, argv);
        QCOMPARE(CHighDPIMgr::Instance().scaleFactor(), 0.0);
    }
};

QTEST_MAIN(TestUiDataDisplay)
#include "tst_uidata_display.moc"
