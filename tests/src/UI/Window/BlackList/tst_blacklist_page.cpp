// The blacklist page in the main window: the form's required fields and document-number
// pattern, what an added entry shows, deletion only of ticked rows after a confirmation,
// and paging that follows the sort order of the whole list.

#include "pagebench/BenchTestCase.h"

#include <UI/Window/Application/COverlayFrame.h>
#include <UI/Window/Application/MainWindow.h>
#include <UI/Window/BlackList/AddBlackWidget.h>
#include <UI/Window/BlackList/BlackListModel.h>
#include <UI/Window/BlackList/BlackListRules.h>
#include <UI/Window/BlackList/BlackListWidget.h>

#include <QorvaGUIToolkit/CMultiPageServerTableView.h>
#include <QorvaGUIToolkit/CRegExpValidator.h>
#include <QorvaGUIToolkit/CStatusValidateLineEdit.h>
#include <QorvaGUIToolkit/CTableView.h>
#include <QorvaGUIToolkit/CTextEdit.h>
#include <QorvaGUIToolkit/ItemDataRole.h>

#include <QAbstractItemModelTester>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

using namespace visitorclient;
using QorvaGUIToolkit::CStatusValidateLineEdit;
namespace Rules = BlackListRules;

namespace {

const QString kIdNumber = QStringLiteral("11010519491231002X");

QString text(const char *context, const char *key)
{
    return QCoreApplication::translate(context, key);
}

} // namespace

class TestBlackListPage : public pagebench::BenchTestCase
{
    Q_OBJECT
    std::unique_ptr<MainWindow> m_window;
    BlackListWidget *m_page = nullptr;

    // The page as a host shows it: created hidden by the main window, activated on demand.
    BlackListWidget &openPage()
    {
        m_window = std::make_unique<MainWindow>();
        m_window->resize(1280, 800);
        m_window->show();
        m_page = m_window->findChild<BlackListWidget *>(QStringLiteral("BlackList_Widget"));
        m_page->activatePage();
        m_bench.mark();
        return *m_page;
    }

    template <class T> T *formChild(const char *name)
    {
        return m_page->form()->findChild<T *>(QLatin1String(name));
    }

    void add(const QString &name, const QString &remark = QString(), bool female = false)
    {
        m_page->onAdd();
        formChild<CStatusValidateLineEdit>("BlackNameEdit")->setText(name);
        formChild<CStatusValidateLineEdit>("BlackIdNoEdit")->setText(kIdNumber);
        formChild<QorvaGUIToolkit::CTextEdit>("BlackRemarkEdit")->setPlainText(remark);
        formChild<QRadioButton>(female ? "BlackFemaleRadio" : "BlackMaleRadio")->setChecked(true);
        formChild<QPushButton>("BlackConfirmBtn")->click();
    }

    QStringList shownNames() const
    {
        QStringList names;
        QAbstractItemModel *shown = m_page->table()->GetTableView()->model();
        for (int row = 0; row < shown->rowCount(); ++row)
            names << shown->index(row, BlackListModel::NameColumn).data().toString();
        return names;
    }

    void tickShown(int row)
    {
        QAbstractItemModel *shown = m_page->table()->GetTableView()->model();
        shown->setData(shown->index(row, 0), Qt::Checked, Qt::CheckStateRole);
    }

    void releaseTestObjects() override { m_window.reset(); }

private slots:
    void emptyRequiredFieldsAreMarkedWithOneTip()
    {
        openPage();
        m_page->onAdd();
        QVERIFY(m_window->overlayFrame()->isVisible());
        auto *name = formChild<CStatusValidateLineEdit>("BlackNameEdit");
        auto *number = formChild<CStatusValidateLineEdit>("BlackIdNoEdit");
        name->setText(QStringLiteral("   "));
        formChild<QPushButton>("BlackConfirmBtn")->click();
        QCOMPARE(name->status(), int(CStatusValidateLineEdit::Error));
        QCOMPARE(number->status(), int(CStatusValidateLineEdit::Error));
        QCOMPARE(m_bench.toolTips(),
                 QStringList{text("visitorclient::AddBlackWidget", "CannotBeEmpty")});
        QVERIFY(m_bench.waitUntil([&] { return name->hasFocus(); }));
        QCOMPARE(m_page->model()->rowCount(), 0);
        QVERIFY(m_window->overlayFrame()->isVisible());

        // With the name given, the number alone is refused.
        m_bench.mark();
        name->setText(QStringLiteral("Zhang San"));
        formChild<QPushButton>("BlackConfirmBtn")->click();
        QCOMPARE(m_bench.toolTips().size(), 1);
        QVERIFY(m_bench.waitUntil([&] { return number->hasFocus(); }));
        QCOMPARE(m_page->model()->rowCount(), 0);

        formChild<QPushButton>("BlackCancelBtn")->click();
        QVERIFY(!m_window->overlayFrame()->isVisible());
        QCOMPARE(m_page->model()->rowCount(), 0);
    }

    void documentNumberPattern_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("valid") << kIdNumber << true;
        QTest::newRow("final digit") << QStringLiteral("110105194912310021") << true;
        QTest::newRow("month 13") << QStringLiteral("110105194913310021") << false;
        QTest::newRow("day 32") << QStringLiteral("110105194912320021") << false;
        QTest::newRow("region starts with 0") << QStringLiteral("010105194912310021") << false;
        QTest::newRow("lower-case x") << QStringLiteral("11010519491231002x") << false;
    }

    void documentNumberPattern()
    {
        QFETCH(QString, number);
        QFETCH(bool, accepted);
        QorvaGUIToolkit::CRegExpValidator validator(QString::fromLatin1(Rules::kIdentityPattern),
                                                    Rules::kTextLimit);
        int pos = 0;
        QCOMPARE(validator.validate(number, pos) == QValidator::Acceptable, accepted);
    }

    void typingAThirteenthMonthStops()
    {
        openPage();
        m_page->onAdd();
        auto *number = formChild<CStatusValidateLineEdit>("BlackIdNoEdit");
        QTest::keyClicks(number, QStringLiteral("110105194913"));
        QCOMPARE(number->text(), QStringLiteral("11010519491"));
        m_page->onCancel();
    }

    void anAddedEntryShowsWhatWasEntered()
    {
        openPage();
        QAbstractItemModelTester tester(m_page->model());
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        add(QStringLiteral("Li Si"), QString(), true);
        QVERIFY(!m_window->overlayFrame()->isVisible());
        QCOMPARE(m_page->model()->rowCount(), 1);

        const BlackData entry = m_page->model()->entryAt(0);
        QVERIFY(entry.strGuid.isEmpty());
        QCOMPARE(entry.iGender, 2);
        QCOMPARE(entry.iIdentityType, 0);
        QCOMPARE(entry.strRemark, QStringLiteral("--"));
        const QDateTime added = QDateTime::fromString(entry.strAddTime, "yyyy/MM/dd HH:mm:ss");
        QVERIFY2(added.isValid() && added >= before && added <= QDateTime::currentDateTime(),
                 qPrintable(entry.strAddTime));

        QAbstractItemModel *shown = m_page->table()->GetTableView()->model();
        QStringList cells;
        for (int column = 1; column < BlackListModel::OperationColumn; ++column)
            cells << shown->index(0, column).data().toString();
        QCOMPARE(cells,
                 (QStringList{"Li Si", text("CDisplayTexts", "Female"),
                              text("CDisplayTexts", "IDCard"), kIdNumber, "--", entry.strAddTime}));
        const QModelIndex check = shown->index(0, BlackListModel::CheckColumn);
        QCOMPARE(check.data(QorvaGUIToolkit::ItemRecordRole).value<BlackData>().strName,
                 QStringLiteral("Li Si"));
        QVERIFY(!shown->index(0, BlackListModel::OperationColumn)
                     .data(QorvaGUIToolkit::ItemClickableIconRole)
                     .isNull());
        QVERIFY(!(shown->flags(shown->index(0, 1)) & Qt::ItemIsEditable));

        // The form keeps what was typed; a remark is shown as written.
        m_page->onAdd();
        QCOMPARE(formChild<CStatusValidateLineEdit>("BlackNameEdit")->text(),
                 QStringLiteral("Li Si"));
        formChild<QorvaGUIToolkit::CTextEdit>("BlackRemarkEdit")->setPlainText("Repeated trespass");
        formChild<QPushButton>("BlackConfirmBtn")->click();
        QCOMPARE(m_page->model()->entryAt(1).strRemark, QStringLiteral("Repeated trespass"));

        // Import and the row's edit icon change nothing.
        m_page->findChild<QPushButton *>(QStringLiteral("BlackImportBtn"))->click();
        emit m_page->table()->GetTableView()->SignalClicked(
            shown->index(0, BlackListModel::OperationColumn),
            QorvaGUIToolkit::ItemClickableIconRole);
        QCOMPARE(m_page->model()->rowCount(), 2);
        QVERIFY(m_bench.questions().isEmpty());
        QVERIFY(!m_window->overlayFrame()->isVisible());
    }

    void onlyTickedRowsAreDeletedAfterConfirmation()
    {
        openPage();
        for (const char *name : {"A", "B", "C"})
            add(QLatin1String(name));
        m_page->onDelete();
        QVERIFY(m_bench.questions().isEmpty());

        tickShown(0);
        tickShown(2);
        m_bench.answerNextQuestion(false);
        m_page->findChild<QPushButton *>(QStringLiteral("BlackDeleteBtn"))->click();
        QCOMPARE(m_bench.questions(),
                 QStringList{text("visitorclient::BlackListWidget", "DeleteAttendancePoint")});
        QCOMPARE(shownNames(), (QStringList{"A", "B", "C"}));

        m_bench.answerNextQuestion(true);
        m_page->onDelete();
        QCOMPARE(shownNames(), QStringList{"B"});
        QCOMPARE(m_page->model()->rowCount(), 1);
    }

    void pagesFollowTheSortOrder()
    {
        openPage();
        for (const char *name : {"E", "C", "A", "D", "B"})
            add(QLatin1String(name));
        emit m_page->table()->SiganlFilterConditionChanged(2, 1);
        QCOMPARE(shownNames(), (QStringList{"E", "C"}));
        m_page->table()->GetTableView()->sortByColumn(BlackListModel::NameColumn,
                                                      Qt::AscendingOrder);
        QCOMPARE(shownNames(), (QStringList{"A", "B"}));
        emit m_page->table()->SiganlFilterConditionChanged(2, 3);
        QCOMPARE(shownNames(), QStringList{"E"});
        int total = 0, page = 0, size = 0;
        m_page->table()->GetFilterCondition(total, page, size);
        QCOMPARE(total, 5);
        QCOMPARE(page, 3);

        // Deleting the last page's only row shows the page before it.
        tickShown(0);
        m_bench.answerNextQuestion(true);
        m_page->onDelete();
        QCOMPARE(shownNames(), (QStringList{"C", "D"}));
        m_page->table()->GetFilterCondition(total, page, size);
        QCOMPARE(total, 4);
        QCOMPARE(page, 2);
        // A new entry joins in sort order.
        add(QStringLiteral("AA"));
        emit m_page->table()->SiganlFilterConditionChanged(2, 1);
        QCOMPARE(shownNames(), (QStringList{"A", "AA"}));
    }
};

QTEST_MAIN(TestBlackListPage)
#include "tst_blacklist_page.moc"
