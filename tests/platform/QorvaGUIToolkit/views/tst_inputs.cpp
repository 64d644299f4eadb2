// Validators, status line edits, search box, range date-time edit and tree combo box.

#include <QorvaGUIToolkit/CCombination_Model.h>
#include <QorvaGUIToolkit/CIntValidator.h>
#include <QorvaGUIToolkit/CLocationComboBox.h>
#include <QorvaGUIToolkit/CMultilevelComboBox.h>
#include <QorvaGUIToolkit/CPathComboBox.h>
#include <QorvaGUIToolkit/CRangeDateTimeEdit.h>
#include <QorvaGUIToolkit/CRegExpValidator.h>
#include <QorvaGUIToolkit/CSearchLineEdit.h>
#include <QorvaGUIToolkit/CStatusValidateLineEdit.h>
#include <QorvaGUIToolkit/CTextEdit.h>
#include <QorvaGUIToolkit/CTreeViewItem.h>
#include <QorvaGUIToolkit/CTreeViewModel.h>
#include <QorvaGUIToolkit/TestHooks.h>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QClipboard>
#include <QDateTimeEdit>
#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

using namespace QorvaGUIToolkit;

Q_DECLARE_METATYPE(QValidator::State)

class TestInputs : public QObject
{
    Q_OBJECT
private slots:
    void regExpValidator_data();
    void regExpValidator();
    void regExpValidatorWithPattern_data();
    void regExpValidatorWithPattern();
    void regExpValidatorFixup();
    void intValidator_data();
    void intValidator();
    void validatingEditRefusesKeystrokes();
    void statusProperty();
    void searchEditReportsEveryChange();
    void textEditCutsAtLimit();

    void rangeStartsEmpty();
    void rangeDefaultAndDisplayFormat();
    void rangeBoundsAreOrderedAndClamped();
    void rangeDeleteIconEmptiesField();
    void rangePopupKeepsBeginBeforeEnd();
    void rangeFollowsLineEditCalls();

    void multilevelComboPicksNestedItems();
    void multilevelComboPressCanBeRefused();
    void multilevelComboStaysEmptyWhileItsModelLoads();
    void multiSelectKeepsPopupOpen();
    void locationComboExpandsFolders();
    void combinationModelJoinsTickedTexts();
    void pathComboKeepsRecentPaths();
};

void TestInputs::regExpValidator_data()
{
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QValidator::State>("state");
    QTest::newRow("empty") << 32 << "" << QValidator::Acceptable;
    QTest::newRow("plain") << 32 << "Zhang San" << QValidator::Acceptable;
    QTest::newRow("chinese at limit") << 4 << "张三李四" << QValidator::Acceptable;
    QTest::newRow("one over") << 4 << "张三李四五" << QValidator::Invalid;
    QTest::newRow("huge") << 32 << QString(1 << 20, QChar('a')) << QValidator::Invalid;
    QTest::newRow("zero length") << 0 << "a" << QValidator::Invalid;
    for (const QChar ch : CRegExpValidator::InvalidCharacters())
        QTest::newRow(qPrintable(QStringLiteral("char %1").arg(ch)))
            << 32 << QStringLiteral("ab%1cd").arg(ch) << QValidator::Invalid;
    QTest::newRow("other punctuation") << 32 << "a-b_c.d,e(f)@#" << QValidator::Acceptable;
}

void TestInputs::regExpValidator()
{
    QFETCH(int, maxLength);
    QFETCH(QString, input);
    QFETCH(QValidator::State, state);
    CRegExpValidator validator(maxLength, nullptr);
    int pos = input.size();
    QCOMPARE(validator.validate(input, pos), state);
}

void TestInputs::regExpValidatorWithPattern_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QValidator::State>("state");
    QTest::newRow("valid id") << "110101199003071234" << QValidator::Acceptable;
    QTest::newRow("final X") << "11010119900307123X" << QValidator::Acceptable;
    QTest::newRow("month 13") << "110101199013071234" << QValidator::Invalid;
    QTest::newRow("partial") << "1101" << QValidator::Intermediate;
    QTest::newRow("empty") << "" << QValidator::Intermediate;
    QTest::newRow("invalid char") << "1101*" << QValidator::Invalid;
}

void TestInputs::regExpValidatorWithPattern()
{
    QFETCH(QString, input);
    QFETCH(QValidator::State, state);
    CRegExpValidator validator(
        QStringLiteral(
            "^[1-9]\\d{5}[1-9]\\d{3}((0\\d)|(1[0-2]))(([0|1|2]\\d)|3[0-1])\\d{3}([0-9]|X)+$"),
        64, nullptr);
    int pos = 0;
    QCOMPARE(validator.validate(input, pos), state);
}

void TestInputs::regExpValidatorFixup()
{
    CRegExpValidator validator(5, nullptr);
    QString text = QStringLiteral("a/b:c*d?e<f");
    validator.fixup(text);
    QCOMPARE(text, QStringLiteral("abcde"));
    QString empty;
    validator.fixup(empty);
    QVERIFY(empty.isEmpty());
}

void TestInputs::intValidator_data()
{
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QValidator::State>("state");
    QTest::newRow("empty") << 0 << 99 << "" << QValidator::Intermediate;
    QTest::newRow("in range") << 0 << 99 << "42" << QValidator::Acceptable;
    QTest::newRow("top") << 0 << 99 << "99" << QValidator::Acceptable;
    QTest::newRow("above top") << 0 << 99 << "100" << QValidator::Invalid;
    QTest::newRow("same digits above top") << 0 << 50 << "51" << QValidator::Invalid;
    QTest::newRow("negative not allowed") << 0 << 99 << "-1" << QValidator::Invalid;
    QTest::newRow("letters") << 0 << 99 << "1a" << QValidator::Invalid;
    QTest::newRow("group separator") << 0 << 99999 << "1,000" << QValidator::Invalid;
    QTest::newRow("space") << 0 << 99 << " 1" << QValidator::Invalid;
    QTest::newRow("fullwidth digit") << 0 << 99 << "１" << QValidator::Invalid;
    QTest::newRow("huge") << 0 << 99 << QString(100000, QChar('9')) << QValidator::Invalid;
    QTest::newRow("below positive bottom") << 10 << 99 << "5" << QValidator::Intermediate;
    QTest::newRow("minus alone") << -10 << 10 << "-" << QValidator::Intermediate;
    QTest::newRow("negative in range") << -10 << 10 << "-7" << QValidator::Acceptable;
    QTest::newRow("below negative bottom") << -10 << 10 << "-11" << QValidator::Invalid;
}

void TestInputs::intValidator()
{
    QFETCH(int, bottom);
    QFETCH(int, top);
    QFETCH(QString, input);
    QFETCH(QValidator::State, state);
    CIntValidator validator(bottom, top, nullptr);
    int pos = 0;
    QCOMPARE(validator.validate(input, pos), state);
}

void TestInputs::validatingEditRefusesKeystrokes()
{
    CStatusValidateLineEdit edit;
    edit.setValidator(new CRegExpValidator(3, &edit));
    QSignalSpy refused(&edit, &CValidateLineEditEx::SignalInputRefused);
    TestHooks::enable();
    QTest::keyClicks(&edit, "ab*c");
    QCOMPARE(edit.text(), QStringLiteral("abc"));
    QCOMPARE(refused.count(), 1);
    // The operator is told at the field, through the toolkit's tool tip.
    QCOMPARE(TestHooks::toolTips(), QStringList{edit.RefusedTipText()});
    TestHooks::disable();
    QTest::keyClicks(&edit, "d");
    QCOMPARE(edit.text(), QStringLiteral("abc"));
    QCOMPARE(refused.count(), 2);
    // Editing keys are not refusals.
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Left);
    QCOMPARE(refused.count(), 2);
    // Pasting refused text is told too.
    QGuiApplication::clipboard()->setText(QStringLiteral("a:b"));
    QTest::keySequence(&edit, QKeySequence::Paste);
    QCOMPARE(edit.text(), QStringLiteral("ab"));
    QCOMPARE(refused.count(), 3);
}

void TestInputs::statusProperty()
{
    CStatusValidateLineEdit edit;
    QCOMPARE(edit.property("status").toInt(), 0);
    edit.setStatus(2);
    QCOMPARE(edit.status(), 2);
    QCOMPARE(edit.property("status").toInt(), 2);
    // Typing means the operator is correcting the field.
    QTest::keyClicks(&edit, "x");
    QCOMPARE(edit.status(), 0);
    edit.setStatus(7);
    QCOMPARE(edit.status(), 0);
    // Setting text from code keeps the error look.
    edit.setStatus(2);
    edit.setText("y");
    QCOMPARE(edit.status(), 2);
}

void TestInputs::searchEditReportsEveryChange()
{
    CSearchLineEdit edit;
    QSignalSpy spy(&edit, &CSearchLineEdit::SignalFilterChanged);
    QTest::keyClicks(&edit, "a.");
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.last().at(0).toString(), QStringLiteral("a."));
    QCOMPARE(edit.GetCurrentFilterText(), QStringLiteral("a."));
    edit.clear();
    QCOMPARE(spy.last().at(0).toString(), QString());
}

void TestInputs::textEditCutsAtLimit()
{
    CTextEdit edit;
    edit.SetMaxLength(5);
    edit.setPlainText(QStringLiteral("123456789"));
    QCOMPARE(edit.GetText(), QStringLiteral("12345"));
    QTest::keyClicks(&edit, "x");
    QCOMPARE(edit.GetText().size(), 5);
    edit.SetMaxLength(0);
    edit.setPlainText(QString(3000, QChar('z')));
    QCOMPARE(edit.GetText().size(), 3000);
}

void TestInputs::rangeStartsEmpty()
{
    CRangeDateTimeEdit edit;
    QVERIFY(edit.IsEmpty());
    QVERIFY(edit.text().isEmpty());
    QVERIFY(!edit.GetBeginDateTime().isValid());
    QVERIFY(!edit.GetEndDateTime().isValid());
    // Half a range is no range.
    edit.SetDateTimeRange(QDateTime::currentDateTime(), QDateTime());
    QVERIFY(edit.IsEmpty());
    QVERIFY(edit.text().isEmpty());
}

void TestInputs::rangeDefaultAndDisplayFormat()
{
    CRangeDateTimeEdit edit;
    const QDate today = QDate::currentDate();
    QSignalSpy spy(&edit, &CRangeDateTimeEdit::SignalDateTimeRangeChanged);
    edit.SetDefaultDateTime(QDateTime(today, QTime(0, 0, 0)), QDateTime(today, QTime(23, 59, 59)));
    QCOMPARE(spy.count(), 1);
    edit.SetDisplayFormat(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    QCOMPARE(edit.text(), today.toString("yyyy/MM/dd") + " 00:00:00 - " +
                              today.toString("yyyy/MM/dd") + " 23:59:59");
    QCOMPARE(edit.GetBeginDateTime().toString("yyyy-MM-ddThh:mm:ss"),
             today.toString("yyyy-MM-dd") + "T00:00:00");
    QCOMPARE(edit.GetEndDateTime().time(), QTime(23, 59, 59));
    // The same range again is no change.
    edit.SetDateTimeRange(edit.GetBeginDateTime(), edit.GetEndDateTime());
    QCOMPARE(spy.count(), 1);
}

void TestInputs::rangeBoundsAreOrderedAndClamped()
{
    CRangeDateTimeEdit edit;
    const QDateTime a(QDate(2024, 5, 1), QTime(8, 0));
    const QDateTime b(QDate(2024, 5, 3), QTime(18, 0));
    edit.SetDateTimeRange(b, a);
    QCOMPARE(edit.GetBeginDateTime(), a);
    QCOMPARE(edit.GetEndDateTime(), b);

    edit.SetDateTimeLimits(QDateTime(QDate(2024, 5, 2), QTime(0, 0)),
                           QDateTime(QDate(2024, 5, 2), QTime(23, 59, 59)));
    QCOMPARE(edit.GetBeginDateTime(), QDateTime(QDate(2024, 5, 2), QTime(0, 0)));
    QCOMPARE(edit.GetEndDateTime(), QDateTime(QDate(2024, 5, 2), QTime(23, 59, 59)));

    // A begin equal to the end is a valid one-instant range.
    edit.SetDateTimeRange(QDateTime(QDate(2024, 5, 2), QTime(9, 0)),
                          QDateTime(QDate(2024, 5, 2), QTime(9, 0)));
    QVERIFY(!edit.IsEmpty());
    QCOMPARE(edit.GetBeginDateTime(), edit.GetEndDateTime());
}

void TestInputs::rangeDeleteIconEmptiesField()
{
    CRangeDateTimeEdit edit;
    QAction *del = edit.findChild<QAction *>("RangeDeleteAction");
    QVERIFY(del);
    edit.SetDeleteIconVisible(true);
    QVERIFY(!del->isVisible()); // nothing to delete yet
    edit.SetDateTimeRange(QDateTime(QDate(2024, 1, 1), QTime(0, 0)),
                          QDateTime(QDate(2024, 1, 2), QTime(0, 0)));
    QVERIFY(del->isVisible());
    QSignalSpy spy(&edit, &CRangeDateTimeEdit::SignalDateTimeRangeChanged);
    del->trigger();
    QVERIFY(edit.IsEmpty());
    QVERIFY(edit.text().isEmpty());
    QCOMPARE(spy.count(), 1);
    QVERIFY(!spy.first().at(0).toDateTime().isValid());
    QVERIFY(!del->isVisible());
    edit.SetDeleteIconVisible(false);
    edit.SetDateTimeRange(QDateTime(QDate(2024, 1, 1), QTime(0, 0)),
                          QDateTime(QDate(2024, 1, 2), QTime(0, 0)));
    QVERIFY(!del->isVisible());
}

void TestInputs::rangePopupKeepsBeginBeforeEnd()
{
    CRangeDateTimeEdit edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    const QDate today = QDate::currentDate();
    edit.SetDefaultDateTime(QDateTime(today, QTime(0, 0)), QDateTime(today, QTime(23, 59, 59)));
    edit.Clear();
    edit.ShowPopup();
    QFrame *popup = edit.Popup();
    QVERIFY(popup && popup->isVisible());
    auto *begin = popup->findChild<QDateTimeEdit *>("RangeBeginEdit");
    auto *end = popup->findChild<QDateTimeEdit *>("RangeEndEdit");
    // An empty field proposes the default range.
    QCOMPARE(begin->dateTime(), QDateTime(today, QTime(0, 0)));
    QCOMPARE(end->dateTime(), QDateTime(today, QTime(23, 59, 59)));
    end->setDateTime(QDateTime(today, QTime(12, 0)));
    begin->setDateTime(QDateTime(today.addDays(1), QTime(0, 0))); // past the end: held back
    QVERIFY(begin->dateTime() <= end->dateTime());
    popup->findChild<QPushButton *>("RangeOkButton")->click();
    QVERIFY(!popup->isVisible());
    QVERIFY(!edit.IsEmpty());
    QVERIFY(edit.GetBeginDateTime() <= edit.GetEndDateTime());
    QCOMPARE(edit.GetEndDateTime(), QDateTime(today, QTime(12, 0)));
}

void TestInputs::rangeFollowsLineEditCalls()
{
    CRangeDateTimeEdit edit;
    edit.SetDisplayFormat(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    edit.SetDateTimeRange(QDateTime(QDate(2024, 1, 1), QTime(0, 0)),
                          QDateTime(QDate(2024, 1, 2), QTime(0, 0)));
    // A page resetting its form with QLineEdit::clear() must not keep a hidden range.
    edit.clear();
    QVERIFY(edit.IsEmpty());
    QVERIFY(!edit.GetBeginDateTime().isValid());
    edit.setText(QStringLiteral("2024/03/05 18:00:00 - 2024/03/04 08:00:00"));
    QCOMPARE(edit.GetBeginDateTime(), QDateTime(QDate(2024, 3, 4), QTime(8, 0)));
    QCOMPARE(edit.GetEndDateTime(), QDateTime(QDate(2024, 3, 5), QTime(18, 0)));
    QCOMPARE(edit.text(), QStringLiteral("2024/03/04 08:00:00 - 2024/03/05 18:00:00"));
    edit.setText(QStringLiteral("not a range"));
    QCOMPARE(edit.text(), QStringLiteral("2024/03/04 08:00:00 - 2024/03/05 18:00:00"));
    QVERIFY(!edit.IsEmpty());
}

void TestInputs::multilevelComboPicksNestedItems()
{
    CTreeViewModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    auto *org = new CTreeViewItem("Head office");
    auto *person = new CTreeViewItem("Li Si");
    org->appendRow(person);
    model.appendRow(org);
    model.appendRow(new CTreeViewItem("Branch"));

    CMultilevelComboBox combo;
    combo.SetModel(&model);
    QVERIFY(combo.GetText().isEmpty());
    QVERIFY(!combo.GetCurrentIndex().isValid());
    QSignalSpy changed(&combo, &CMultilevelComboBox::SignalCurrentIndexChanged);
    combo.SetCurrentIndex(person->index());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(combo.GetCurrentIndex(), person->index());
    QCOMPARE(combo.GetText(), QStringLiteral("Li Si"));
    // Data changes of row 0 do not overwrite the shown text.
    org->setText("Head office (renamed)");
    QCOMPARE(combo.GetText(), QStringLiteral("Li Si"));

    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    combo.showPopup();
    QTreeView *tree = combo.GetTreeView();
    QTRY_VERIFY(tree->isVisible());
    QVERIFY(tree->isExpanded(org->index())); // located at the current item
    const QRect branch = tree->visualRect(model.index(1, 0));
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, branch.center());
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, branch.center());
    QCOMPARE(changed.count(), 2);
    QCOMPARE(combo.GetText(), QStringLiteral("Branch"));
    QTRY_VERIFY(!tree->isVisible());

    combo.SetCurrentIndex(QModelIndex());
    QVERIFY(combo.GetText().isEmpty());
    QCOMPARE(changed.count(), 3);
}

namespace {
// Only leaves may be chosen, as a person picker does.
class LeafOnlyCombo : public CMultilevelComboBox
{
public:
    using CMultilevelComboBox::press;
    int refused = 0;

protected:
    void press(const QModelIndex &index) override
    {
        if (index.model()->hasChildren(index)) {
            ++refused;
            return;
        }
        CMultilevelComboBox::press(index);
    }
};
} // namespace

void TestInputs::multilevelComboStaysEmptyWhileItsModelLoads()
{
    // A tree that arrives after the box got it: its first row is no choice of the user.
    CTreeViewModel model;
    CMultilevelComboBox combo;
    combo.SetModel(&model);
    QSignalSpy changed(&combo, &CMultilevelComboBox::SignalCurrentIndexChanged);
    auto *org = new CTreeViewItem("Head office");
    org->appendRow(new CTreeViewItem("Li Si"));
    model.appendRow(org);
    QVERIFY(combo.GetText().isEmpty());
    QVERIFY(!combo.GetCurrentIndex().isValid());
    QCOMPARE(changed.count(), 0);

    // A text set by the owner survives the same late arrival.
    CTreeViewModel later;
    combo.SetModel(&later);
    combo.SetText(QStringLiteral("Wang Fang"));
    later.appendRow(new CTreeViewItem("Branch"));
    QCOMPARE(combo.GetText(), QStringLiteral("Wang Fang"));
}

void TestInputs::multilevelComboPressCanBeRefused()
{
    CTreeViewModel model;
    auto *org = new CTreeViewItem("Org");
    org->appendRow(new CTreeViewItem("Person"));
    model.appendRow(org);
    LeafOnlyCombo combo;
    combo.SetModel(&model);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    combo.showPopup();
    QTreeView *tree = combo.GetTreeView();
    QTRY_VERIFY(tree->isVisible());
    QSignalSpy pressed(&combo, &CMultilevelComboBox::SignalCurrentIndexPressed);
    const QPoint orgPoint = tree->visualRect(org->index()).center();
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, orgPoint);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(combo.refused, 1);
    QVERIFY(!combo.GetCurrentIndex().isValid());
    QVERIFY(combo.GetText().isEmpty());
    tree->expand(org->index());
    const QPoint personPoint = tree->visualRect(model.index(0, 0, org->index())).center();
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, personPoint);
    QCOMPARE(combo.GetText(), QStringLiteral("Person"));
}

void TestInputs::multiSelectKeepsPopupOpen()
{
    CCombination_Model model;
    model.AddItem("Group A");
    model.AddItem("Group B");
    CMultilevelComboBox combo;
    combo.SetModel(&model);
    combo.SetMultiSelect(true);
    // The owner toggles the pressed item and shows the joined names, as the access
    // section of the appointment form does.
    connect(&combo, &CMultilevelComboBox::SignalCurrentIndexPressed, &model,
            [&model](const QModelIndex &index) {
                QStandardItem *item = model.itemFromIndex(index);
                item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked
                                                                      : Qt::Checked);
            });
    connect(&model, &CCombination_Model::SignalCombinationChanged, &combo,
            &CMultilevelComboBox::SetText);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    combo.showPopup();
    QTreeView *tree = combo.GetTreeView();
    QTRY_VERIFY(tree->isVisible());
    QSignalSpy changed(&combo, &CMultilevelComboBox::SignalCurrentIndexChanged);
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {},
                      tree->visualRect(model.index(1, 0)).center());
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {},
                      tree->visualRect(model.index(0, 0)).center());
    QVERIFY(tree->isVisible());
    QCOMPARE(changed.count(), 0);
    QCOMPARE(combo.GetText(), QStringLiteral("Group A,Group B"));
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {},
                      tree->visualRect(model.index(1, 0)).center());
    QCOMPARE(combo.GetText(), QStringLiteral("Group A"));
}

void TestInputs::locationComboExpandsFolders()
{
    CTreeViewModel model;
    auto *area = new CTreeViewItem("Area");
    area->appendRow(new CTreeViewItem("Door"));
    model.appendRow(area);
    CLocationComboBox combo;
    combo.SetModel(&model);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    combo.showPopup();
    QTreeView *tree = combo.GetTreeView();
    QTRY_VERIFY(tree->isVisible());
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {},
                      tree->visualRect(area->index()).center());
    QVERIFY(tree->isExpanded(area->index()));
    QVERIFY(!combo.GetCurrentIndex().isValid());
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {},
                      tree->visualRect(model.index(0, 0, area->index())).center());
    QCOMPARE(combo.GetText(), QStringLiteral("Door"));
}

void TestInputs::combinationModelJoinsTickedTexts()
{
    CCombination_Model model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy spy(&model, &CCombination_Model::SignalCombinationChanged);
    model.AddItem("a", "guid-a");
    model.AddItem("b", "guid-b");
    model.AddItem("c", "guid-c");
    QCOMPARE(spy.count(), 0);
    model.item(2)->setCheckState(Qt::Checked);
    model.item(0)->setCheckState(Qt::Checked);
    QCOMPARE(spy.last().at(0).toString(), QStringLiteral("a,c"));
    QCOMPARE(model.CheckedData(), (QVariantList{"guid-a", "guid-c"}));
    spy.clear();
    model.SetAllChecked(true);
    QCOMPARE(spy.count(), 1); // one report for the whole change
    QCOMPARE(spy.last().at(0).toString(), QStringLiteral("a,b,c"));
    model.SetSeparator(";");
    model.SetAllChecked(false);
    QCOMPARE(model.CombinedText(), QString());
}

void TestInputs::pathComboKeepsRecentPaths()
{
    CPathComboBox combo;
    combo.SetFileMode(QFileDialog::ExistingFile);
    combo.SetNameFilter(QStringLiteral("xlsx (*.xlsx)"));
    QSignalSpy spy(&combo, &CPathComboBox::SignalPathChanged);
    QVERIFY(combo.GetPath().isEmpty());
    for (int i = 0; i < 12; ++i)
        combo.SetPath(QStringLiteral("/tmp/import-%1.xlsx").arg(i));
    QCOMPARE(combo.GetPath(), QStringLiteral("/tmp/import-11.xlsx"));
    QCOMPARE(combo.count(), 10);
    QCOMPARE(spy.last().at(0).toString(), QStringLiteral("/tmp/import-11.xlsx"));
    // Choosing a recent path again does not duplicate it.
    combo.SetPath(QStringLiteral("/tmp/import-5.xlsx"));
    QCOMPARE(combo.count(), 10);
    QCOMPARE(combo.GetPath(), QStringLiteral("/tmp/import-5.xlsx"));
    combo.SetPath(QString());
    QVERIFY(combo.GetPath().isEmpty());
}

QTEST_MAIN(TestInputs)
#include "tst_inputs.moc"
