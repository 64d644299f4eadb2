// Paged table, header check box, clickable icons and the any-column filter.

#include <QorvaGUIToolkit/CHeaderView.h>
#include <QorvaGUIToolkit/CMultiPageServerTableView.h>
#include <QorvaGUIToolkit/CMutilColumnFilterProxyModel.h>
#include <QorvaGUIToolkit/CStandardItem.h>
#include <QorvaGUIToolkit/CStandardItemModel.h>
#include <QorvaGUIToolkit/CTableDelegate.h>
#include <QorvaGUIToolkit/CTableView.h>
#include <QorvaGUIToolkit/CTreeView.h>
#include <QorvaGUIToolkit/CTreeViewItem.h>
#include <QorvaGUIToolkit/CTreeViewModel.h>
#include <QorvaGUIToolkit/ItemDataRole.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

#include <thread>

using namespace QorvaGUIToolkit;

namespace {

// One row per name: column 0 checkable, column 1 name, column 2 a second text,
// column 3 an edit icon under role 436.
CStandardItemModel *makeModel(const QStringList &names, QObject *parent)
{
    auto *model = new CStandardItemModel(0, 4, parent);
    model->SetHeaderCheckable(0);
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    for (const QString &name : names) {
        auto *check = new CStandardItem;
        check->setCheckable(true);
        check->setCheckState(Qt::Unchecked);
        check->setData(name + QStringLiteral("-id"), ItemRowIdRole);
        auto *op = new CStandardItem;
        op->setData(icon, ItemClickableIconRole);
        op->setData(QStringLiteral("Edit"), ItemIconToolTipRole);
        model->appendRow(
            {check, new CStandardItem(name), new CStandardItem(name.toUpper() + "!"), op});
    }
    return model;
}

QPoint iconCentre(QAbstractItemView *view, const QModelIndex &index)
{
    const QRect cell = view->visualRect(index);
    // Icon sits 8 px from the left edge, 16 px wide, vertically centred.
    return QPoint(cell.left() + 8 + 8, cell.center().y());
}

int checkedRows(QAbstractItemModel *model)
{
    int n = 0;
    for (int row = 0; row < model->rowCount(); ++row)
        n += model->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return n;
}

} // namespace

class TestTables : public QObject
{
    Q_OBJECT
private slots:
    void pagerArithmetic_data();
    void pagerArithmetic();
    void pagerButtonsEmitPageChanges();
    void pageSizeChangeResetsToFirstPage();
    void pageEntryClampsToRange_data();
    void pageEntryClampsToRange();
    void pageSizeZeroIsNeverReported();
    void setFilterConditionEmitsNothing();
    void filterConditionFromWorkerThread();

    void headerCheckBoxTogglesEveryRow();
    void headerFollowsRowChecks();
    void headerCheckBoxThroughProxyTicksShownRowsOnly();

    void iconClickEmitsTheIconRole();
    void clickOutsideIconEmitsNothing();
    void treeViewIconClick();

    void filterMatchesAnyColumnLiterally_data();
    void filterMatchesAnyColumnLiterally();
    void filterFindsChildRowsInTrees();
    void modelsPassModelTester();
};

void TestTables::pagerArithmetic_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<int>("pages");
    QTest::newRow("empty") << 0 << 50 << 0;
    QTest::newRow("one row") << 1 << 50 << 1;
    QTest::newRow("exactly one page") << 50 << 50 << 1;
    QTest::newRow("last page partial") << 51 << 50 << 2;
    QTest::newRow("cap") << 10000 << 30 << 334;
    QTest::newRow("near int max") << 2147483647 << 500 << 4294968;
    QTest::newRow("negative total") << -5 << 50 << 0;
}

void TestTables::pagerArithmetic()
{
    QFETCH(int, total);
    QFETCH(int, pageSize);
    QFETCH(int, pages);
    CMultiPageServerTableView table;
    table.SetFilterCondition(total, 1, pageSize);
    QCOMPARE(table.getTotalPage(), pages);
    int t = -1, p = -1, s = -1;
    table.GetFilterCondition(t, p, s);
    QCOMPARE(t, qMax(0, total));
    QCOMPARE(s, pageSize);
}

void TestTables::pagerButtonsEmitPageChanges()
{
    CMultiPageServerTableView table;
    table.SetFilterCondition(120, 1, 50); // 3 pages, last one 20 rows
    QSignalSpy spy(&table, &CMultiPageServerTableView::SiganlFilterConditionChanged);
    auto *first = table.findChild<QToolButton *>("PagerFirstButton");
    auto *previous = table.findChild<QToolButton *>("PagerPreviousButton");
    auto *next = table.findChild<QToolButton *>("PagerNextButton");
    auto *last = table.findChild<QToolButton *>("PagerLastButton");
    QVERIFY(first && previous && next && last);
    QVERIFY(!first->isEnabled());
    QVERIFY(!previous->isEnabled());

    next->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.last().at(0).toInt(), 50); // page size
    QCOMPARE(spy.last().at(1).toInt(), 2);  // page
    last->click();
    QCOMPARE(spy.last().at(1).toInt(), 3);
    QVERIFY(!next->isEnabled());
    QVERIFY(!last->isEnabled());
    previous->click();
    QCOMPARE(spy.last().at(1).toInt(), 2);
    first->click();
    QCOMPARE(spy.last().at(1).toInt(), 1);
    QCOMPARE(spy.count(), 4);
    int t, p, s;
    table.GetFilterCondition(t, p, s);
    QCOMPARE(p, 1);
    QCOMPARE(table.findChild<QLabel *>("PagerPageLabel")->text(), QStringLiteral("1/3"));

    // Page 0 ("none yet") counts as page 1: next goes to 2.
    table.SetFilterCondition(120, 0, 50);
    next->click();
    QCOMPARE(spy.last().at(1).toInt(), 2);

    // No pages: nothing to move to.
    spy.clear();
    table.SetFilterCondition(0, 0, 50);
    next->click();
    last->click();
    QCOMPARE(spy.count(), 0);
    QCOMPARE(table.findChild<QLabel *>("PagerPageLabel")->text(), QStringLiteral("0/0"));
}

void TestTables::pageSizeChangeResetsToFirstPage()
{
    CMultiPageServerTableView table;
    table.SetSupportPageItemType({30, 50, 100, 200, 500});
    table.SetFilterCondition(1000, 7, 50);
    QSignalSpy spy(&table, &CMultiPageServerTableView::SiganlFilterConditionChanged);
    auto *combo = table.findChild<QComboBox *>("PagerPageSizeCombo");
    QVERIFY(combo);
    QCOMPARE(combo->count(), 5);
    QCOMPARE(combo->currentData().toInt(), 50);
    const int index200 = combo->findData(200);
    QVERIFY(index200 >= 0);
    combo->setCurrentIndex(index200);
    emit combo->activated(index200);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.last().at(0).toInt(), 200);
    QCOMPARE(spy.last().at(1).toInt(), 1);
    QCOMPARE(table.getTotalPage(), 5);
    // Choosing the size already in use asks for nothing.
    emit combo->activated(index200);
    QCOMPARE(spy.count(), 1);
}

void TestTables::pageEntryClampsToRange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("expectedSignals");
    QTest::addColumn<int>("expectedPage");
    QTest::newRow("in range") << "3" << 1 << 3;
    QTest::newRow("current page") << "1" << 0 << 1;
    QTest::newRow("past the end") << "99" << 1 << 4;
    QTest::newRow("zero") << "0" << 0 << 1;
    QTest::newRow("huge") << "99999999999" << 1 << 4;
    QTest::newRow("empty") << "" << 0 << 1;
}

void TestTables::pageEntryClampsToRange()
{
    QFETCH(QString, typed);
    QFETCH(int, expectedSignals);
    QFETCH(int, expectedPage);
    CMultiPageServerTableView table;
    table.SetFilterCondition(200, 1, 50); // 4 pages
    QSignalSpy spy(&table, &CMultiPageServerTableView::SiganlFilterConditionChanged);
    auto *edit = table.findChild<QLineEdit *>("PagerPageEdit");
    QVERIFY(edit);
    edit->setText(typed); // bypasses the validator on purpose: pasted or odd text
    QMetaObject::invokeMethod(edit, "returnPressed");
    QCOMPARE(spy.count(), expectedSignals);
    int t, p, s;
    table.GetFilterCondition(t, p, s);
    QCOMPARE(p, expectedPage);
    QVERIFY(edit->text().isEmpty());
}

void TestTables::pageSizeZeroIsNeverReported()
{
    CMultiPageServerTableView table;
    table.SetSupportPageItemType({0, -10, 0});
    auto *combo = table.findChild<QComboBox *>("PagerPageSizeCombo");
    QCOMPARE(combo->findData(0), -1);
    table.SetFilterCondition(100, 1, 0); // keeps the page size in use
    int t, p, s;
    table.GetFilterCondition(t, p, s);
    QCOMPARE(s, 50);
    // A list without the size in use moves to its first size.
    table.SetSupportPageItemType({0, 30});
    QCOMPARE(combo->count(), 1);
    table.GetFilterCondition(t, p, s);
    QCOMPARE(s, 30);
    QSignalSpy spy(&table, &CMultiPageServerTableView::SiganlFilterConditionChanged);
    table.findChild<QToolButton *>("PagerNextButton")->click();
    for (const auto &args : spy)
        QVERIFY(args.at(0).toInt() > 0);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.last().at(0).toInt(), 30);

    // An unknown page size from the owner joins the choice instead of being dropped.
    table.SetFilterCondition(100, 1, 25);
    QVERIFY(combo->findData(25) >= 0);
    QCOMPARE(combo->currentData().toInt(), 25);
}

void TestTables::setFilterConditionEmitsNothing()
{
    CMultiPageServerTableView table;
    QSignalSpy spy(&table, &CMultiPageServerTableView::SiganlFilterConditionChanged);
    table.SetFilterCondition(0, 0, 50);
    table.SetFilterCondition(500, 3, 100);
    table.SetSupportPageItemType({30, 100});
    QCOMPARE(spy.count(), 0);
    QCOMPARE(table.findChild<QLabel *>("PagerTotalLabel")->text(), QStringLiteral("Total 500"));
}

void TestTables::filterConditionFromWorkerThread()
{
    CMultiPageServerTableView table;
    QSignalSpy spy(&table, &CMultiPageServerTableView::SiganlFilterConditionChanged);
    int seenTotal = -1, seenPage = -1, seenSize = -1, seenPages = -1;
    // A page loads on a worker and reports the server's answer from there.
    std::thread worker([&] {
        table.SetFilterCondition(321, 4, 100);
        table.GetFilterCondition(seenTotal, seenPage, seenSize);
        seenPages = table.getTotalPage();
    });
    worker.join();
    QCOMPARE(seenTotal, 321);
    QCOMPARE(seenPage, 4);
    QCOMPARE(seenSize, 100);
    QCOMPARE(seenPages, 4);
    auto *label = table.findChild<QLabel *>("PagerTotalLabel");
    QTRY_COMPARE(label->text(), QStringLiteral("Total 321"));
    QCOMPARE(table.findChild<QLabel *>("PagerPageLabel")->text(), QStringLiteral("4/4"));
    QCOMPARE(spy.count(), 0);
}

void TestTables::headerCheckBoxTogglesEveryRow()
{
    CTableView view;
    auto *model = makeModel({"a", "b", "c"}, &view);
    view.setModel(model);
    // A row whose check box is disabled stays as it is.
    model->item(2, 0)->setEnabled(false);
    auto *header = view.GetHeaderView();
    QVERIFY(header->HasCheckBox(0));
    QVERIFY(!header->HasCheckBox(1));
    view.resize(600, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const QPoint section0(header->sectionViewportPosition(0) + 10, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, section0);
    QCOMPARE(checkedRows(model), 2);
    QCOMPARE(model->item(2, 0)->checkState(), Qt::Unchecked);

    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, section0);
    QCOMPARE(checkedRows(model), 0);
    QCOMPARE(header->CheckState(0), Qt::Unchecked);

    // Clicking a section without the box ticks nothing.
    const QPoint section1(header->sectionViewportPosition(1) + 10, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, section1);
    QCOMPARE(checkedRows(model), 0);
}

void TestTables::headerFollowsRowChecks()
{
    CTableView view;
    auto *model = makeModel({"a", "b"}, &view);
    model->item(1, 0)->setCheckState(Qt::Checked);
    view.setModel(model);
    auto *header = view.GetHeaderView();
    // Rows ticked before the model reached the view count too.
    QCOMPARE(header->CheckState(0), Qt::PartiallyChecked);
    model->item(1, 0)->setCheckState(Qt::Unchecked);
    QCOMPARE(header->CheckState(0), Qt::Unchecked);
    model->item(0, 0)->setCheckState(Qt::Checked);
    QCOMPARE(header->CheckState(0), Qt::PartiallyChecked);
    model->item(1, 0)->setCheckState(Qt::Checked);
    QCOMPARE(header->CheckState(0), Qt::Checked);
    // Partly ticked: a header click ticks all rather than clearing.
    model->item(1, 0)->setCheckState(Qt::Unchecked);
    header->SetAllChecked(0, header->CheckState(0) != Qt::Checked);
    QCOMPARE(checkedRows(model), 2);
    // Emptying the model leaves nothing ticked in the header.
    model->removeRows(0, model->rowCount());
    QTRY_COMPARE(header->CheckState(0), Qt::Unchecked);
    // A new unticked row under a fully ticked header makes it partly ticked.
    model->appendRow({new CStandardItem, new CStandardItem("c")});
    model->item(0, 0)->setCheckable(true);
    model->item(0, 0)->setCheckState(Qt::Checked);
    QCOMPARE(header->CheckState(0), Qt::Checked);
    auto *fresh = new CStandardItem;
    fresh->setCheckable(true);
    fresh->setCheckState(Qt::Unchecked);
    model->appendRow({fresh, new CStandardItem("d")});
    QTRY_COMPARE(header->CheckState(0), Qt::PartiallyChecked);
}

void TestTables::headerCheckBoxThroughProxyTicksShownRowsOnly()
{
    CTableView view;
    auto *model = makeModel({"alpha", "beta", "alphabet"}, &view);
    CMutilColumnFilterProxyModel proxy;
    proxy.setSourceModel(model);
    proxy.SetCoustomFilter(QRegExp("alpha", Qt::CaseInsensitive, QRegExp::FixedString));
    view.setModel(&proxy);
    QCOMPARE(proxy.rowCount(), 2);
    QVERIFY(view.GetHeaderView()->HasCheckBox(0));
    view.GetHeaderView()->SetAllChecked(0, true);
    QCOMPARE(checkedRows(model), 2);
    QCOMPARE(model->item(1, 0)->checkState(), Qt::Unchecked);
    // The header state went through the proxy to the source model.
    QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::CheckStateRole).toInt(), int(Qt::Checked));
}

void TestTables::iconClickEmitsTheIconRole()
{
    CMultiPageServerTableView table;
    auto *model = makeModel({"a", "b"}, &table);
    table.SetModel(model);
    table.resize(800, 400);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    CTableView *view = table.GetTableView();
    QSignalSpy spy(view, &CTableView::SignalClicked);
    const QModelIndex target = model->index(1, 3);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, iconCentre(view, target));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().at(0).value<QModelIndex>(), target);
    QCOMPARE(spy.first().at(1).value<CItemDataRole>(), ItemClickableIconRole);

    // The icon's tool tip comes from role 466.
    QHelpEvent help(QEvent::ToolTip, iconCentre(view, target),
                    view->viewport()->mapToGlobal(iconCentre(view, target)));
    QApplication::sendEvent(view->viewport(), &help);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Edit"));
    QToolTip::hideText();

    // Hovering the icon shows the pointing hand; elsewhere the normal cursor.
    QTest::mouseMove(view->viewport(), iconCentre(view, target));
    QCOMPARE(view->viewport()->cursor().shape(), Qt::PointingHandCursor);
    model->item(1, 3)->setData(int(Qt::WhatsThisCursor), ItemIconCursorRole);
    QTest::mouseMove(view->viewport(), iconCentre(view, target) + QPoint(1, 0));
    QCOMPARE(view->viewport()->cursor().shape(), Qt::WhatsThisCursor);
}

void TestTables::clickOutsideIconEmitsNothing()
{
    CTableView view;
    auto *model = makeModel({"a"}, &view);
    // A cell with an icon role but no usable picture is not clickable.
    model->item(0, 2)->setData(QString(), ItemClickableIconRole);
    view.setModel(model);
    view.resize(800, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy spy(&view, &CTableView::SignalClicked);
    const QRect opCell = view.visualRect(model->index(0, 3));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      QPoint(opCell.right() - 2, opCell.center().y()));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, iconCentre(&view, model->index(0, 2)));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, iconCentre(&view, model->index(0, 1)));
    QTest::mouseClick(view.viewport(), Qt::RightButton, {}, iconCentre(&view, model->index(0, 3)));
    QCOMPARE(spy.count(), 0);
}

void TestTables::treeViewIconClick()
{
    CTreeView view;
    CTreeViewModel model(0, 2);
    model.setHeaderData(0, Qt::Horizontal, 196, HeaderColumnWidthRole);
    model.setHeaderData(1, Qt::Horizontal, 30, HeaderColumnWidthRole);
    auto *remove = new CTreeViewItem;
    remove->setData(QStringLiteral(":/QorvaGUIToolkit/Views/images/Delete.svg"),
                    ItemClickableIconRole);
    remove->setData(QStringLiteral("Remove"), ItemIconToolTipRole);
    model.appendRow({new CTreeViewItem("Door 1"), remove});
    view.setModel(&model);
    view.GetDelegate()->SetPixmapSpacing(4);
    view.resize(400, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.columnWidth(0), 196);
    QSignalSpy spy(&view, &CTreeView::SignalClicked);
    const QRect cell = view.visualRect(model.index(0, 1));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      QPoint(cell.left() + 4 + 8, cell.center().y()));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().at(0).value<QModelIndex>(), model.index(0, 1));
}

void TestTables::filterMatchesAnyColumnLiterally_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty shows all") << "" << QStringList{"Zhang San", "li.si", "a+b (c)", "王五"};
    QTest::newRow("case-insensitive") << "ZHANG" << QStringList{"Zhang San"};
    QTest::newRow("second column") << "SAN!" << QStringList{"Zhang San"};
    QTest::newRow("dot is literal") << "i.s" << QStringList{"li.si"};
    QTest::newRow("plus and brackets") << "a+b (" << QStringList{"a+b (c)"};
    QTest::newRow("star matches nothing") << ".*" << QStringList{};
    QTest::newRow("backslash") << "\\" << QStringList{};
    QTest::newRow("chinese") << "王" << QStringList{"王五"};
    QTest::newRow("row id not searched") << "-id" << QStringList{};
}

void TestTables::filterMatchesAnyColumnLiterally()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QScopedPointer<CStandardItemModel> model(
        makeModel({"Zhang San", "li.si", "a+b (c)", "王五"}, nullptr));
    CMutilColumnFilterProxyModel proxy;
    proxy.setSourceModel(model.data());
    proxy.setSortRole(-1);
    proxy.setDynamicSortFilter(false);
    QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // The way the list pages search.
    proxy.SetCoustomFilter(QRegExp(text.trimmed(), Qt::CaseInsensitive, QRegExp::FixedString));
    proxy.setFilterRegExp(QString());
    QStringList shown;
    for (int row = 0; row < proxy.rowCount(); ++row)
        shown << proxy.index(row, 1).data().toString();
    QCOMPARE(shown, expected);
}

void TestTables::filterFindsChildRowsInTrees()
{
    CTreeViewModel model;
    auto *area = new CTreeViewItem("Building A");
    area->appendRow(new CTreeViewItem("North door"));
    model.appendRow(area);
    model.appendRow(new CTreeViewItem("Building B"));
    CMutilColumnFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    proxy.SetCoustomFilter(QRegExp("north", Qt::CaseInsensitive, QRegExp::FixedString));
    QCOMPARE(proxy.rowCount(), 1);
    QCOMPARE(proxy.index(0, 0).data().toString(), QStringLiteral("Building A"));
    QCOMPARE(proxy.rowCount(proxy.index(0, 0)), 1);
    QCOMPARE(model.FindIndex(Qt::DisplayRole, "North door"), model.index(0, 0, model.index(0, 0)));
}

void TestTables::modelsPassModelTester()
{
    CStandardItemModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.SetHorizontalHeaderTexts({"", "Name", "Operation"});
    model.SetHeaderCheckable(0);
    model.appendRow({new CStandardItem, new CStandardItem("x"), new CStandardItem});
    model.insertRow(0, {new CStandardItem, new CStandardItem("y"), new CStandardItem});
    QVERIFY(!(model.item(0, 1)->flags() & Qt::ItemIsEditable));
    // New items made by the model itself are toolkit items too.
    model.setData(model.index(1, 2), "z");
    QVERIFY(dynamic_cast<CStandardItem *>(model.item(1, 2)));
    model.removeRows(0, 2);
    QCOMPARE(model.rowCount(), 0);
}

QTEST_MAIN(TestTables)
#include "tst_tables.moc"
