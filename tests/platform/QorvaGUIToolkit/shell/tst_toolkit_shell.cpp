// Shell widgets and application helpers: navigation, style-sheet files, shade, slide,
// singletons, buttons and labels.

#include <QorvaGUIToolkit/Application.h>
#include <QorvaGUIToolkit/CBaseCentralWidget.h>
#include <QorvaGUIToolkit/CFile.h>
#include <QorvaGUIToolkit/CLabel.h>
#include <QorvaGUIToolkit/CLabelWithLeftPoint.h>
#include <QorvaGUIToolkit/CLocationViewWidget.h>
#include <QorvaGUIToolkit/CMiddleSwitchBox.h>
#include <QorvaGUIToolkit/CObjectSingleton.h>
#include <QorvaGUIToolkit/CShadeFrame.h>
#include <QorvaGUIToolkit/CTreeView.h>
#include <QorvaGUIToolkit/SkinPalette.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace QorvaGUIToolkit;

class SingletonProbe : public QObject
{
    Q_OBJECT
public:
    explicit SingletonProbe(QObject *parent) : QObject(parent) {}
};

class TestToolkitShell : public QObject
{
    Q_OBJECT

private:
    static QAbstractButton *navButton(QWidget *root, const QString &objectName, const QString &text)
    {
        for (QAbstractButton *b : root->findChildren<QAbstractButton *>(objectName))
            if (b->text() == text)
                return b;
        return nullptr;
    }

private slots:
    void navigationEmitsTranslatedTextAndShowsPage()
    {
        CBaseCentralWidget shell;
        auto *appointments = new QLabel(QStringLiteral("appointments"));
        auto *records = new QLabel(QStringLiteral("records"));
        auto *groups = new QLabel(QStringLiteral("groups"));
        auto *settings = new QLabel(QStringLiteral("settings"));
        shell.add(QString(), QString(), QStringLiteral("访客"),
                  {{QStringLiteral("预约"), appointments}, {QStringLiteral("记录"), records}});
        shell.add(QString(), QString(), QStringLiteral("访客组"), groups);
        shell.add(QString(), QString(), QStringLiteral("系统"),
                  {{QStringLiteral("设置"), settings}});
        shell.resize(900, 600);
        shell.show();
        QCOMPARE(shell.groupCount(), 3);
        QCOMPARE(shell.entryCount(0), 2);
        QCOMPARE(shell.entryCount(1), 0);
        QCOMPARE(shell.currentPage(), nullptr);

        QSignalSpy spy(&shell, &CBaseCentralWidget::signalActionClicked);
        shell.setTriggered(0, 0);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last().at(0).toString(), QStringLiteral("预约"));
        QCOMPARE(shell.currentPage(), appointments);

        // A click on an entry behaves like setTriggered.
        QAbstractButton *recordsButton =
            navButton(&shell, QStringLiteral("NavigationEntry"), QStringLiteral("记录"));
        QVERIFY(recordsButton);
        QTest::mouseClick(recordsButton, Qt::LeftButton);
        QCOMPARE(spy.last().at(0).toString(), QStringLiteral("记录"));
        QCOMPARE(shell.currentPage(), records);
        QVERIFY(recordsButton->isChecked());

        // A single-page group is selected by its header; the entry number is ignored.
        shell.setTriggered(1, 5);
        QCOMPARE(spy.last().at(0).toString(), QStringLiteral("访客组"));
        QCOMPARE(shell.currentPage(), groups);
        QVERIFY(!recordsButton->isChecked());
        QCOMPARE(shell.currentPosition(), qMakePair(1, 0));

        shell.setTriggered(2, 0);
        QCOMPARE(shell.currentPage(), settings);
        QCOMPARE(spy.count(), 4);
    }

    void navigationIgnoresBadPositions_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("entry");
        QTest::newRow("negative group") << -1 << 0;
        QTest::newRow("group past end") << 2 << 0;
        QTest::newRow("entry past end") << 0 << 1;
        QTest::newRow("negative entry") << 0 << -1;
    }

    void navigationIgnoresBadPositions()
    {
        QFETCH(int, group);
        QFETCH(int, entry);
        CBaseCentralWidget shell;
        auto *page = new QLabel;
        shell.add(QString(), QString(), QStringLiteral("G"), {{QStringLiteral("E"), page}});
        shell.add(QString(), QString(), QStringLiteral("P"), new QLabel);
        QSignalSpy spy(&shell, &CBaseCentralWidget::signalActionClicked);
        shell.setTriggered(group, entry);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(shell.currentPosition(), qMakePair(-1, -1));
    }

    void foldedGroupUnfoldsWhenAnEntryIsTriggered()
    {
        CBaseCentralWidget shell;
        shell.add(QString(), QString(), QStringLiteral("G"), {{QStringLiteral("E"), new QLabel}});
        shell.show();
        QAbstractButton *header =
            navButton(&shell, QStringLiteral("NavigationGroup"), QStringLiteral("G"));
        QVERIFY(header);
        QTest::mouseClick(header, Qt::LeftButton);
        QVERIFY(!shell.isGroupExpanded(0));
        shell.setTriggered(0, 0);
        QVERIFY(shell.isGroupExpanded(0));
    }

    void readAllConcatenatesInOrderAndSkipsMissingFiles()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        auto write = [&](const QString &name, const QByteArray &text) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(text);
        };
        write(QStringLiteral("a.qss"), "QLabel { color: red; }");
        write(QStringLiteral("b.qss"), "QPushButton { border-left: 4px; }");
        write(QStringLiteral("中文.qss"), "QLineEdit { margin-right: 2px; }");

        const QString all = CFile::ReadAll({QStringLiteral("b.qss"), QStringLiteral("missing.qss"),
                                            QStringLiteral("a.qss"), QStringLiteral("中文.qss")},
                                           dir.path());
        QCOMPARE(all, QStringLiteral("QPushButton { border-left: 4px; }\nQLabel { color: red; }\n"
                                     "QLineEdit { margin-right: 2px; }\n"));
        QCOMPARE(CFile::ReadAll({}, dir.path()), QString());
        QCOMPARE(CFile::ReadAll({QStringLiteral("missing.qss")}, dir.path()), QString());
        // A directory given with its trailing separator reads the same.
        QCOMPARE(CFile::ReadAll({QStringLiteral("a.qss")}, dir.path() + QLatin1Char('/')),
                 QStringLiteral("QLabel { color: red; }\n"));

        // Right to left: a _Hb file wins, other files are mirrored.
        write(QStringLiteral("a_Hb.qss"), "QLabel { color: blue; }");
        const QString hb =
            CFile::ReadAllHb({QStringLiteral("a.qss"), QStringLiteral("b.qss")}, dir.path());
        QCOMPARE(hb,
                 QStringLiteral("QLabel { color: blue; }\nQPushButton { border-right: 4px; }\n"));
    }

    void mirroringSwapsBorderSidesOnly()
    {
        // Qt mirrors alignment, padding and sub-control positions itself in a
        // right-to-left layout; borders are drawn where the sheet says.
        const QString in =
            QStringLiteral("QToolButton { image: url(:/img/arrow-left.svg); "
                           "subcontrol-position: right; border-left: 1px; }\n"
                           "QPushButton { text-align: left; padding-left: 40px; "
                           "border-top-right-radius: 2px; border-right-color: red; }");
        QCOMPARE(CFile::mirrorStyleSheet(in),
                 QStringLiteral("QToolButton { image: url(:/img/arrow-left.svg); "
                                "subcontrol-position: right; border-right: 1px; }\n"
                                "QPushButton { text-align: left; padding-left: 40px; "
                                "border-top-left-radius: 2px; border-left-color: red; }"));
    }

    void shadeCoversParentAndFollowsResize()
    {
        QWidget window;
        window.resize(400, 300);
        window.show();
        CShadeFrame shade(&window);
        QVERIFY(!shade.isVisible());
        shade.showShade();
        QVERIFY(shade.isVisible());
        QCOMPARE(shade.geometry(), window.rect());
        window.resize(500, 350);
        QTRY_COMPARE(shade.geometry(), QRect(0, 0, 500, 350));
        shade.hideShade();
        QVERIFY(!shade.isVisible());
    }

    void slideEndsAtTheRightEdgeOfTheReference()
    {
        QWidget window;
        window.resize(800, 600);
        auto *reference = new QWidget(&window);
        reference->setGeometry(100, 50, 600, 500);
        auto *drawer = new QWidget(&window);
        drawer->resize(240, 10);
        window.show();

        rightSlideAnimation(drawer, reference, 0);
        QCOMPARE(drawer->geometry(), QRect(100 + 600 - 240, 50, 240, 500));

        drawer->move(0, 0);
        rightSlideAnimation(drawer, reference, 50);
        QTRY_COMPARE(drawer->geometry(), QRect(100 + 600 - 240, 50, 240, 500));
        QVERIFY(drawer->isVisible());
    }

    void independentWindowIsTheTopLevel()
    {
        QWidget window;
        auto *inner = new QWidget(new QWidget(&window));
        QCOMPARE(GetIndependentWindow(inner), &window);
        QCOMPARE(GetIndependentWindow(nullptr), nullptr);
    }

    void targetPathEndsWithSeparator()
    {
        QVERIFY(GetTargetPath().endsWith(QLatin1Char('/')));
        QCOMPARE(QDir(GetTargetPath()).absolutePath(), QCoreApplication::applicationDirPath());
    }

    void localeBecomesTheDefault()
    {
        const QLocale before;
        InitGuiLocale(QLocale(QLocale::Chinese, QLocale::China));
        QCOMPARE(QLocale().name(), QStringLiteral("zh_CN"));
        QCOMPARE(guiLocale().name(), QStringLiteral("zh_CN"));
        InitGuiLocale(before);
        initGuiLayoutDirection(false);
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        initGuiLayoutDirection(true);
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    }

    void objectSingletonFollowsItsParent()
    {
        auto *owner = new QObject;
        SingletonProbe *first = CObjectSingleton<SingletonProbe>::Instance(owner);
        QCOMPARE(first->parent(), owner);
        QCOMPARE(CObjectSingleton<SingletonProbe>::Instance(), first);
        delete owner;
        QCOMPARE(CObjectSingleton<SingletonProbe>::existing(), nullptr);
        SingletonProbe *second = CObjectSingleton<SingletonProbe>::Instance();
        QVERIFY(second);
        CObjectSingleton<SingletonProbe>::Destroy();
        QCOMPARE(CObjectSingleton<SingletonProbe>::existing(), nullptr);
    }

    void leftPointDrawsAnAccentDotOnlyWhenVisible()
    {
        initSkinType(QStringLiteral("BlackRedSkin"));
        CLabelWithLeftPoint label(QStringLiteral("Name"));
        label.setStyleSheet(QStringLiteral("background: #000000;"));
        label.resize(120, 28);
        QVERIFY(!label.isLeftPointVisible());
        const auto dotPixel = [&] { return label.grab().toImage().pixelColor(3, 14); };
        QCOMPARE(dotPixel(), QColor(Qt::black));
        label.setLeftPointVisible(true);
        QVERIFY(label.isLeftPointVisible());
        QCOMPARE(dotPixel(), SkinPalette::current().accent);
        label.setLeftPointVisible(false);
        QCOMPARE(dotPixel(), QColor(Qt::black));
        initSkinType(QString());
    }

    void elidedLabelKeepsFullText()
    {
        CLabel label(QStringLiteral("A rather long caption that will not fit"));
        label.setElideMode(Qt::ElideRight);
        label.resize(60, 20);
        label.show();
        QTRY_VERIFY(label.isElided());
        QCOMPARE(label.fullText(), QStringLiteral("A rather long caption that will not fit"));
        QCOMPARE(label.toolTip(), label.fullText());
        label.resize(600, 20);
        QTRY_VERIFY(!label.isElided());
    }

    void switchBoxEmitsOnlyOnChange()
    {
        CMiddleSwitchBox box({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        QCOMPARE(box.currentIndex(), 0);
        QSignalSpy spy(&box, &CMiddleSwitchBox::currentIndexChanged);
        box.setCurrentIndex(0);
        box.setCurrentIndex(7);
        QCOMPARE(spy.count(), 0);
        box.setCurrentIndex(2);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last().at(0).toInt(), 2);
        box.show();
        auto buttons = box.findChildren<QAbstractButton *>(QStringLiteral("SwitchBoxItem"));
        QCOMPARE(buttons.size(), 3);
        QTest::mouseClick(buttons.at(1), Qt::LeftButton);
        QCOMPARE(box.currentIndex(), 1);
        QCOMPARE(spy.count(), 2);
    }

    void locationViewFiltersAndSpeaksSourceIndexes()
    {
        QStandardItemModel model;
        auto *building1 = new QStandardItem(QStringLiteral("一号楼 Building 1"));
        building1->appendRow(new QStandardItem(QStringLiteral("大门 Main door")));
        building1->appendRow(new QStandardItem(QStringLiteral("侧门 Side door")));
        auto *building2 = new QStandardItem(QStringLiteral("二号楼 Building 2"));
        building2->appendRow(new QStandardItem(QStringLiteral("Gate")));
        model.appendRow(building1);
        model.appendRow(building2);

        CLocationViewWidget view;
        view.setHeaderHidden(true);
        view.setModel(&model);
        view.resize(300, 300);
        view.show();
        QTreeView *tree = view.GetTreeView();
        QAbstractItemModel *shown = tree->model();
        QCOMPARE(shown->rowCount(), 2);

        // Matching is literal and case-insensitive; parents of matches stay.
        view.setFilterText(QStringLiteral("SIDE"));
        QCOMPARE(shown->rowCount(), 1);
        settleClearButton(view, 1.0);
        QCOMPARE(shown->rowCount(shown->index(0, 0)), 1);
        view.setFilterText(QStringLiteral("侧门"));
        QCOMPARE(shown->rowCount(), 1);

        const QModelIndex side = shown->index(0, 0, shown->index(0, 0));
        const QRect rect = tree->visualRect(side);
        QCOMPARE(rect.height(), view.rowHeight());
        QSignalSpy spy(&view, &CLocationViewWidget::signalClicked);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<QModelIndex>(), model.index(1, 0, model.index(0, 0)));
        QCOMPARE(view.currentIndex(), model.index(1, 0, model.index(0, 0)));

        view.setFilterText(QString());
        QCOMPARE(shown->rowCount(), 2);

        settleClearButton(view, 0.0);
    }

private:
    // The search field's clear button fades in and out through parentless animations that only
    // end on the event loop; one still running when the view goes is never freed. Waiting for
    // the end value (reached only on the last step) lets each one end.
    static void settleClearButton(CLocationViewWidget &view, qreal opacity)
    {
        auto *search = view.findChild<QLineEdit *>(QStringLiteral("LocationSearchEdit"));
        QVERIFY(search);
        // The clear button is the side button of an action the field made itself.
        for (QToolButton *button : search->findChildren<QToolButton *>()) {
            if (!search->actions().contains(button->defaultAction()))
                QTRY_COMPARE(button->property("opacity").toReal(), opacity);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestToolkitShell)
#include "tst_toolkit_shell.moc"
