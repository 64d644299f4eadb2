#include <UI/Application/SkinPluginLoader.h>

#include <clientcommonlogical/ISkinPlugin.h>

#include <QtTest>

using visitorclient::CSkinPluginLoader;

namespace {

QStringList namesOf(QObject *instance)
{
    auto *plugin = qobject_cast<clientcommonlogical::ISkinPlugin *>(instance);
    return plugin ? plugin->skinNames() : QStringList();
}

} // namespace

class TestSkinPluginLoader : public QObject
{
    Q_OBJECT
private slots:
    void builtPluginsServeTheirFamilies_data();
    void builtPluginsServeTheirFamilies();
    void nonMatchingPluginIsUnloadedAndNextFileTried();
    void badInput();
};

void TestSkinPluginLoader::builtPluginsServeTheirFamilies_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("dir");
    const QString shared = QStringLiteral(QORVA_PLUGIN_DIR "/skins/");
    const QString own = QStringLiteral(QORVA_COMPONENT_PLUGIN_DIR "/skins/");
    for (const char *family : {"dark", "neutral"}) {
        QTest::addRow("toolkit black-red %s", family) << "QorvaGUIToolKitBlackRedSkin" << shared + family;
        QTest::addRow("client-common black-red %s", family) << "ClientCommonBlackRedSkin" << shared + family;
        QTest::addRow("component black-red %s", family) << "VisitorManagement.C.BlackRedSkin" << own + family;
    }
    QTest::newRow("neutral key") << "QorvaGUIToolKitNeutralSkin" << shared + "neutral";
    QTest::newRow("bright") << "QorvaGUIToolKitGreyRedSkin" << shared + "bright";
    QTest::newRow("bright component") << "VisitorManagement.C.GreyRedSkin" << own + "bright";
    QTest::newRow("blue") << "ClientCommonBlueSkin" << shared + "blue";
    QTest::newRow("blue component") << "VisitorManagement.C.BlueSkin" << own + "blue";
}

void TestSkinPluginLoader::builtPluginsServeTheirFamilies()
{
    QFETCH(QString, name);
    QFETCH(QString, dir);
    QObject *instance = CSkinPluginLoader::load(name, dir);
    QVERIFY2(instance, qPrintable(name + " in " + dir));
    QVERIFY(namesOf(instance).contains(name));
}

void TestSkinPluginLoader::nonMatchingPluginIsUnloadedAndNextFileTried()
{
    // A directory holding a plug-in of another family, a file that is no plug-in and
    // the plug-in that serves the name: whatever the listing order, the serving one is
    // found and the other plug-in does not stay loaded.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString wrong = dir.filePath("AAA_first.so");
    const QString right = dir.filePath("ZZZ_last.so");
    QVERIFY(QFile::copy(QStringLiteral(QORVA_PLUGIN_DIR "/skins/blue/QorvaGUIToolKitBlueSkin.so"), wrong));
    QVERIFY(QFile::copy(QStringLiteral(QORVA_PLUGIN_DIR "/skins/bright/QorvaGUIToolKitGreyRedSkin.so"), right));
    QFile junk(dir.filePath("readme.txt"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a plug-in");
    junk.close();

    QObject *instance = CSkinPluginLoader::load(QStringLiteral("QorvaGUIToolKitGreyRedSkin"), dir.path());
    QVERIFY(instance);
    QCOMPARE(namesOf(instance), QStringList{QStringLiteral("QorvaGUIToolKitGreyRedSkin")});
    QVERIFY(QPluginLoader(right).isLoaded());
    QVERIFY(!QPluginLoader(wrong).isLoaded());

    // Names are case-sensitive: nothing serves the lower-case name, nothing stays loaded
    // beyond the plug-in that was already in use.
    QVERIFY(!CSkinPluginLoader::load(QStringLiteral("qorvaguitoolkitblueskin"), dir.path()));
    QVERIFY(!QPluginLoader(wrong).isLoaded());
    QVERIFY(QPluginLoader(right).isLoaded());
}

void TestSkinPluginLoader::badInput()
{
    QVERIFY(!CSkinPluginLoader::load(QString(), QStringLiteral(QORVA_PLUGIN_DIR "/skins/dark")));
    QVERIFY(!CSkinPluginLoader::load(QStringLiteral("QorvaGUIToolKitBlackRedSkin"), QStringLiteral("/nonexistent/dir")));
    // The name from a missing start parameter ends in an empty key: no plug-in serves it.
    QVERIFY(!CSkinPluginLoader::load(QStringLiteral("QorvaGUIToolKit"), QStringLiteral(QORVA_PLUGIN_DIR "/skins/dark")));
}

QTEST_GUILESS_MAIN(TestSkinPluginLoader)
#include "tst_skin_plugin_loader.moc"
