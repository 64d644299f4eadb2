// The batch result dialog shows the caller's model without taking it over: closing it
// (by its button or the title bar's) deletes it when asked to, never the model, and a
// caller can empty its list when the dialog goes.

#include <UI/Window/Common/BatchResultDialog.h>

#include <QorvaGUIToolkit/CTableView.h>

#include <QPointer>
#include <QPushButton>
#include <QStandardItemModel>
#include <QtTest>

using visitorclient::BatchResultDialog;

class TstBatchResultDialog : public QObject
{
    Q_OBJECT
private slots:
    void showsTextsAndModel()
    {
        QStandardItemModel model(2, 2);
        model.setItem(1, 1, new QStandardItem(QStringLiteral("bad cell")));
        BatchResultDialog dialog(&model);
        dialog.setTitle(QStringLiteral("Import: /tmp/a.xlsx"));
        dialog.setSummary(QStringLiteral("summary"));
        dialog.setNote(QStringLiteral("note"));
        QCOMPARE(dialog.title(), QStringLiteral("Import: /tmp/a.xlsx"));
        QCOMPARE(dialog.windowTitle(), dialog.title());
        QCOMPARE(dialog.summary(), QStringLiteral("summary"));
        QCOMPARE(dialog.note(), QStringLiteral("note"));
        QCOMPARE(dialog.model(), &model);
        QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(dialog.tableView()->model()->index(1, 1).data().toString(),
                 QStringLiteral("bad cell"));
    }

    void closingDeletesDialogButKeepsModel_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("close button") << QStringLiteral("BatchResultCloseBtn");
        QTest::newRow("title bar") << QStringLiteral("BatchResultCloseIcon");
    }

    void closingDeletesDialogButKeepsModel()
    {
        QFETCH(QString, button);
        QStandardItemModel model(3, 2);
        QPointer<BatchResultDialog> dialog = new BatchResultDialog(&model);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &QObject::destroyed, &model, [&model] { model.setRowCount(0); });
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        auto *btn = dialog->findChild<QPushButton *>(button);
        QVERIFY(btn);
        QTest::mouseClick(btn, Qt::LeftButton);
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 2);
    }
};

QTEST_MAIN(TstBatchResultDialog)
#include "tst_batch_result_dialog.moc"
