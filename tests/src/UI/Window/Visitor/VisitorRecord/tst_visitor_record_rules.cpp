// The record page's decisions without a window: what searches, page changes and exports
// send, the export's rows, the error detail's rows and the pending-download bookkeeping.

#include <UI/Window/Visitor/VisitorRecord/RecordDetailWidget.h>
#include <UI/Window/Visitor/VisitorRecord/VisitorRecordExport.h>
#include <UI/Window/Visitor/VisitorRecord/VisitorRecordRules.h>

#include <JSONStruct/visitorrecord/VisitorRecordResult.h>

#include <QtConcurrent>
#include <QtTest>

using namespace visitorclient;
namespace Rules = visitorclient::VisitorRecordRules;

namespace {

QDateTime at(int day, int hour = 0)
{
    return QDateTime(QDate(2026, 3, day), QTime(hour, 0, 0));
}

protocol::VisitorErrorRecord error(const std::string &device, int kind, const std::string &code)
{
    protocol::VisitorErrorRecord e;
    e.DeviceGuid = device;
    e.FailType = kind;
    e.ErrorCode = code;
    return e;
}

} // namespace

class TestVisitorRecordRules : public QObject
{
    Q_OBJECT
private slots:
    void searchSendsBoundsOnlyForFilledFields()
    {
        Rules::SearchForm form;
        form.name = QStringLiteral("王");
        form.state = QStringLiteral("signOff");
        auto condition = Rules::searchCondition(form, 100);
        QCOMPARE(QString::fromStdString(condition.name_), QStringLiteral("王"));
        QCOMPARE(condition.State, std::string("signOff"));
        for (const std::string *bound : {&condition.visitBeginTime, &condition.visitEndTime,
                                         &condition.leaveBeginTime, &condition.leaveEndTime})
            QVERIFY(bound->empty());
        QCOMPARE(condition.pageNo, 1);
        QCOMPARE(condition.pageSize, 100);
        QVERIFY(!condition.QuickRegister && !condition.descending && condition.sortRole.empty());

        form.leaveBegin = at(2, 8);
        form.leaveEnd = QDateTime(QDate(2026, 3, 2), QTime(23, 59, 59));
        condition = Rules::searchCondition(form, 0);
        QVERIFY(condition.visitBeginTime.empty() && condition.visitEndTime.empty());
        QCOMPARE(condition.leaveBeginTime, std::string("2026-03-02T08:00:00"));
        QCOMPARE(condition.leaveEndTime, std::string("2026-03-02T23:59:59"));
        QCOMPARE(condition.pageSize, Rules::kDefaultPageSize);
    }

    void crossedRangesAreJudgedByDay()
    {
        Rules::SearchForm form;
        form.visitBegin = at(5);
        form.visitEnd = at(6);
        QVERIFY(!Rules::rangesCrossed(form)); // no leave range
        form.leaveBegin = at(1);
        form.leaveEnd = at(4, 23);
        QVERIFY(Rules::rangesCrossed(form));
        // The same day at an earlier hour is not crossed: only dates compare.
        form.leaveEnd = at(5, 0);
        form.visitBegin = at(5, 12);
        QVERIFY(!Rules::rangesCrossed(form));
        form.visitBegin = QDateTime();
        form.leaveEnd = at(1);
        QVERIFY(!Rules::rangesCrossed(form));
    }

    void pagesKeepTheSearchAndExportsDropTheName()
    {
        Rules::SearchForm form;
        form.name = QStringLiteral("Guest");
        form.state = QStringLiteral("registered");
        form.visitBegin = at(1);
        form.visitEnd = at(9);
        protocol::QueryVisitorRecordCondition stored = Rules::searchCondition(form, 30);
        Rules::turnPage(stored, 200, 3);
        QCOMPARE(stored.pageNo, 3);
        QCOMPARE(stored.pageSize, 200);
        QCOMPARE(stored.name_, std::string("Guest"));
        QCOMPARE(stored.visitBeginTime, std::string("2026-03-01T00:00:00"));

        const auto page = Rules::exportCondition(stored, 7, 500);
        QVERIFY(page.name_.empty());
        QCOMPARE(page.State, stored.State);
        QCOMPARE(page.visitBeginTime, stored.visitBeginTime);
        QCOMPARE(page.visitEndTime, stored.visitEndTime);
        QCOMPARE(page.pageNo, 7);
        QCOMPARE(page.pageSize, 500);
        QCOMPARE(Rules::firstExportPage(0), 1);
        QCOMPARE(Rules::firstExportPage(4), 4);
        QCOMPARE(exportFilePath(QStringLiteral("/tmp/a")), QStringLiteral("/tmp/a.xlsx"));
        QCOMPARE(exportFilePath(QStringLiteral("/tmp/a.xlsx")), QStringLiteral("/tmp/a.xlsx"));
    }

    void exportRowsKeepDigitsAndLeaveUnknownGenderEmpty()
    {
        protocol::VisitorRecordResult wire;
        wire.name = "张三";
        wire.gender = 0;
        wire.phone = "013800001111";
        wire.visitTime = "2026-03-01T08:05:09";
        wire.appointmentVisitTime = "2026-03-01T08:00:00";
        wire.visitReasonName = "meeting";
        wire.accompanyingPersonnelNumber = 2;
        wire.identityType = 4;
        wire.identityCode = "110101199001010012";
        const VisitorRecordData record = VisitorRecordData::fromResult(wire);
        QCOMPARE(record.strVisitTime, QStringLiteral("2026-03-01 08:05:09"));
        const QStringList row = Rules::exportRow(record);
        QCOMPARE(row.size(), Rules::kExportColumnCount);
        QCOMPARE(Rules::exportHeader().size(), Rules::kExportColumnCount);
        QCOMPARE(row[0], QStringLiteral("张三"));
        QCOMPARE(row[1], QString());
        QCOMPARE(row[2], QStringLiteral("013800001111"));
        QCOMPARE(row[3], QStringLiteral("2026-03-01 08:00:00"));
        QCOMPARE(row[4], QString()); // no expected leave time
        QCOMPARE(row[5], QStringLiteral("2026-03-01 08:05:09"));
        QCOMPARE(row[6], QString());
        QCOMPARE(row[10], QStringLiteral("2"));
        QCOMPARE(row[12], QStringLiteral("110101199001010012"));
        wire.gender = 2;
        QCOMPARE(Rules::exportRow(VisitorRecordData::fromResult(wire))[1],
                 QStringLiteral("Female"));
        QVERIFY(VisitorRecordData::fromResult(wire, false).strFaceImageUrl.isEmpty());
    }

    void errorCodesNeedExactlyTwoParts()
    {
        QVERIFY(Rules::errorMessage("20-9").size() > 0);
        QCOMPARE(Rules::errorMessage("209"), QString());
        QCOMPARE(Rules::errorMessage("20-9-1"), QString());
        QCOMPARE(Rules::errorMessage(""), QString());
    }

    void eachDistinctDeviceIsLookedUpOnce()
    {
        QStringList asked;
        const auto rows = Rules::errorRows({error("dev-a", 0, "20-9"), error("dev-b", 2, "x"),
                                            error("dev-a", 2, "20-9"), error("dev-c", 7, "1-2-3")},
                                           [&asked](const std::string &id) {
                                               asked << QString::fromStdString(id);
                                               return id == "dev-c" ? std::string() : "Door " + id;
                                           });
        QCOMPARE(asked, (QStringList{"dev-a", "dev-b", "dev-c"}));
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[0].deviceName, QStringLiteral("Door dev-a"));
        QCOMPARE(rows[0].failureKind, QStringLiteral("Staff"));
        QCOMPARE(rows[1].failureKind, QStringLiteral("Face"));
        QCOMPARE(rows[1].message, QString());
        QCOMPARE(rows[2].deviceName, rows[0].deviceName);
        QCOMPARE(rows[3].failureKind, QString());
        QCOMPARE(rows[3].deviceName, QString());
        QCOMPARE(rows[3].message, QString());
    }

    void detailTextsOfEmptyAndUnknownValues()
    {
        VisitorRecordData record;
        record.strAuthType = QStringLiteral("1,,3,9");
        record.iGender = 5;
        record.iDownloadResult = 4;
        record.iIdentityType = 42;
        record.strFaceImageUrl = QStringLiteral("http://pictures/1.jpg");
        auto values = RecordDetailWidget::fieldValues(record);
        QCOMPARE(values.value("AuthorizationTypexnjfHIoj"),
                 QStringLiteral("TheVisitorCardToSRCRph,Face"));
        QCOMPARE(values.value("Gender"), QStringLiteral("UnKnown"));
        QCOMPARE(values.value("ApplyingPermissionSettings"), QStringLiteral("Failed"));
        QCOMPARE(values.value("DocumentType"), QStringLiteral("OtherCard"));
        QCOMPARE(values.value("NumberOfEntourageceknhIrC"), QStringLiteral("0"));
        QCOMPARE(values.value("FacePictureQuantity"), QStringLiteral("1"));
        QCOMPARE(values.value("TheName"), QStringLiteral("-"));
        QCOMPARE(values.value("Card NO."), QStringLiteral("-"));

        record.strAuthType = QStringLiteral("9,");
        QCOMPARE(RecordDetailWidget::fieldValues(record).value("AuthorizationTypexnjfHIoj"),
                 QStringLiteral("-"));

        const VisitorRecordData clear = VisitorRecordData::clearValue();
        QVERIFY(clear.strGuid.isEmpty() && clear.strName.isEmpty() && clear.strAuthType.isEmpty() &&
                clear.strCardNo.isEmpty());
        QCOMPARE(clear.strRemark, QStringLiteral("-"));
        values = RecordDetailWidget::fieldValues(clear);
        QCOMPARE(values.value("FacePictureQuantity"), QStringLiteral("-"));
        QCOMPARE(values.value("VisitingReasontnaiesDc"), QStringLiteral("-"));

        // Every caption of the panel has a value; the leave time is not one of them.
        int captions = 0;
        for (const auto &section : RecordDetailWidget::sections()) {
            for (const char *key : section.second) {
                QVERIFY2(values.contains(QString::fromLatin1(key)), key);
                ++captions;
            }
        }
        QCOMPARE(captions, values.size());
        QVERIFY(!values.contains(QStringLiteral("LeaveTime8UO8GP4D")));
    }

    void columnsShareTheRoomTheTableHas()
    {
        const QVector<int> own{0, 80, 100, 150};
        const QVector<int> wanted{0, 60, 140, 150}; // the header of column 2 is longer
        // Room for everything: each column as wide as it wants, never below its own.
        QCOMPARE(Rules::fittedColumnWidths(own, wanted, 1000), QVector<int>({0, 80, 140, 150}));
        QCOMPARE(Rules::fittedColumnWidths(own, wanted, 370), QVector<int>({0, 80, 140, 150}));
        // Room for the own widths only: the wish shrinks first.
        QCOMPARE(Rules::fittedColumnWidths(own, wanted, 350), QVector<int>({0, 80, 120, 150}));
        QCOMPARE(Rules::fittedColumnWidths(own, wanted, 330), QVector<int>({0, 80, 100, 150}));
        // Less than that: the own widths shrink alike, and the sum stays within the room.
        const QVector<int> tight = Rules::fittedColumnWidths(own, wanted, 165);
        QCOMPARE(tight, QVector<int>({0, 40, 50, 75}));
        QVERIFY(Rules::fittedColumnWidths(own, wanted, 0) == QVector<int>({0, 0, 0, 0}));
    }

    void pendingDownloadsOnlyTakeWhatWasAsked()
    {
        Rules::CPendingDownloads pending;
        QVERIFY(!pending.take(QStringLiteral("a"))); // nothing pending
        pending.begin({QStringLiteral("a"), QStringLiteral("b")});
        QVERIFY(pending.isPending());
        QVERIFY(!pending.take(QStringLiteral("x")));
        QCOMPARE(pending.remaining(), 2);
        QVERIFY(pending.take(QStringLiteral("a")));
        QVERIFY(!pending.take(QStringLiteral("a")));
        QVERIFY(pending.settle());
        QVERIFY(pending.take(QStringLiteral("b")));
        QVERIFY(pending.isPending()); // until settled
        QVERIFY(!pending.settle());
        QVERIFY(!pending.isPending());
        QVERIFY(pending.waitAnswered(0));
    }

    void theWaitEndsWhenAnsweredOrAtItsBound()
    {
        Rules::CPendingDownloads pending;
        pending.begin({QStringLiteral("a")});
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!pending.waitAnswered(250));
        QVERIFY(timer.elapsed() >= 250);

        QSemaphore waiting;
        QFuture<bool> answered = QtConcurrent::run([&pending, &waiting] {
            waiting.release();
            return pending.waitAnswered(60000);
        });
        waiting.acquire();
        QVERIFY(pending.take(QStringLiteral("a")));
        pending.settle();
        QVERIFY(answered.result());
        QCOMPARE(pending.remaining(), 0);
    }
};

QTEST_GUILESS_MAIN(TestVisitorRecordRules)
#include "tst_visitor_record_rules.moc"
