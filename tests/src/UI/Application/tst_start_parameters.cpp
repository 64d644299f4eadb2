#include <UI/Application/StartParameters.h>

#include <QtTest>

using visitorclient::StartParameters;

class TestStartParameters : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void skinDirectory_data();
    void skinDirectory();
};

void TestStartParameters::parse_data()
{
    QTest::addColumn<int>("argc");
    QTest::addColumn<QByteArray>("fourth");
    QTest::addColumn<QString>("skinKey");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("hasConfig");
    QTest::addColumn<int>("reserved");

    QTest::newRow("framework's six tokens") << 4 << QByteArray("GreyRedSkin 1 0 5 0 0") << "GreyRedSkin" << 1 << 0 << true << 5;
    QTest::newRow("extra blanks are skipped") << 4 << QByteArray("  BlueSkin   13  1 2  0 0 ") << "BlueSkin" << 13 << 1 << true << 2;
    QTest::newRow("more than six") << 5 << QByteArray("NeutralSkin 0 1 0 0 0 9") << "NeutralSkin" << 0 << 1 << true << 0;
    QTest::newRow("four tokens: no configuration") << 4 << QByteArray("BlackRedSkin 34 1 0") << "BlackRedSkin" << 34 << 1 << false << 0;
    QTest::newRow("five tokens: no configuration") << 4 << QByteArray("BlackRedSkin 1 0 0 0") << "BlackRedSkin" << 1 << 0 << false << 0;
    QTest::newRow("three tokens leave all unset") << 4 << QByteArray("BlackRedSkin 1 0") << QString() << 0 << 0 << false << 0;
    QTest::newRow("empty fourth argument") << 4 << QByteArray("") << QString() << 0 << 0 << false << 0;
    QTest::newRow("no fourth argument") << 2 << QByteArray("BlackRedSkin 1 1 0 0 0") << QString() << 0 << 0 << false << 0;
    QTest::newRow("malformed numbers read 0") << 4 << QByteArray("BlackRedSkin x y z 0 0") << "BlackRedSkin" << 0 << 0 << true << 0;
}

void TestStartParameters::parse()
{
    QFETCH(int, argc);
    QFETCH(QByteArray, fourth);
    QByteArray a0("app"), a1("--x"), a2("");
    char *argv[] = {a0.data(), a1.data(), a2.data(), fourth.data(), nullptr};
    const StartParameters params = StartParameters::parse(argc, argv);
    QTEST(params.strSkinKey, "skinKey");
    QTEST(params.iLanguage, "language");
    QTEST(params.iSkinVariant, "variant");
    QTEST(params.bHasConfig, "hasConfig");
    if (params.bHasConfig) {
        QFETCH(int, reserved);
        QCOMPARE(params.config.iReserved, reserved);
        QCOMPARE(QString::fromStdString(params.config.strSkinType), params.strSkinKey);
        QCOMPARE(params.config.iLanguage, params.iLanguage);
        QCOMPARE(params.config.iSkinVariant, params.iSkinVariant);
    }
}

void TestStartParameters::skinDirectory_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("dir");
    // Only the black-red skin has a second variant; anything unknown falls back to dark.
    QTest::newRow("black-red, variant 1") << "BlackRedSkin" << 1 << "neutral";
    QTest::newRow("other skins ignore the variant") << "BlueSkin" << 1 << "blue";
    QTest::newRow("variant 2 is dark") << "BlackRedSkin" << 2 << "dark";
    QTest::newRow("unknown key") << "PurpleSkin" << 0 << "dark";
    QTest::newRow("case matters") << "greyredskin" << 0 << "dark";
}

void TestStartParameters::skinDirectory()
{
    QFETCH(QString, key);
    QFETCH(int, variant);
    QTEST(StartParameters::skinDirectory(key, variant), "dir");
}

QTEST_GUILESS_MAIN(TestStartParameters)
#include "tst_start_parameters.moc"
