// Every resource path the pages name must exist: a missing image fails silently in
// the product. Also checks that each skin carries style sheets and that the font alias
// maps the product's face to an installed CJK-capable one.

#include <QorvaGUIToolkit/Application.h>

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QIcon>
#include <QImageReader>
#include <QMovie>
#include <QRegularExpression>
#include <QtTest>

class TestToolkitResources : public QObject
{
    Q_OBJECT

private slots:
    void resourceExists_data()
    {
        QTest::addColumn<QString>("path");
        const char *paths[] = {
            ":/QorvaGUIToolkit/Dialog/Images/Dialog/Loading.gif",
            ":/QorvaGUIToolkit/Dialog/Images/Dialog/Clear.svg",
            ":/common/Images/common/Clear.svg",
            ":/common/Images/common/door.svg",
            ":/common/Images/common/dooroffline.svg",
            ":/common/Images/common/man.svg",
        };
        for (const char *p : paths)
            QTest::newRow(p) << QString::fromLatin1(p);
    }

    void resourceExists()
    {
        QFETCH(QString, path);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        if (path.endsWith(QLatin1String(".svg"))) {
            QVERIFY(!QIcon(path).pixmap(16, 16).isNull());
        } else {
            QCOMPARE(QImageReader(path).format(), QByteArray("gif"));
            QMovie movie(path);
            QVERIFY(movie.isValid());
            QVERIFY(movie.frameCount() > 1);
        }
    }

    void everySkinHasStyleSheets_data()
    {
        QTest::addColumn<QString>("dir");
        for (const char *d : {"dark", "neutral", "bright", "blue"})
            QTest::newRow(d) << QString::fromLatin1(d);
    }

    void everySkinHasStyleSheets()
    {
        QFETCH(QString, dir);
        const QString sheet = QorvaGUIToolkit::skinStyleSheet(dir);
        QVERIFY(sheet.contains(QLatin1String("QorvaGUIToolkit--CPushButton")));
        QVERIFY(sheet.contains(QLatin1String("#NavigationEntry")));
        QVERIFY(QorvaGUIToolkit::skinStyleSheet(QStringLiteral("nosuchskin")).isEmpty());
        // Every image a style sheet names exists.
        QRegularExpression url(QStringLiteral("url\\((:/[^)]+)\\)"));
        auto it = url.globalMatch(sheet);
        int images = 0;
        while (it.hasNext()) {
            const QString path = it.next().captured(1);
            QVERIFY2(QFile::exists(path), qPrintable(path));
            ++images;
        }
        QVERIFY(images > 5);
    }

    void productFaceRendersChinese()
    {
        if (!QFontDatabase().families().contains(QStringLiteral("WenQuanYi Micro Hei")))
            QSKIP("fonts-wqy-microhei is not installed");
        QFont font(QStringLiteral("Microsoft YaHei"));
        font.setPixelSize(12);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("WenQuanYi Micro Hei"));
        QVERIFY(QFontMetrics(font).inFont(QChar(0x8BBF))); // 访
    }
};

QTEST_MAIN(TestToolkitResources)
#include "tst_toolkit_resources.moc"
