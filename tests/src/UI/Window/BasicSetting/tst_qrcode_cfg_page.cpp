// The QR-code encryption page against a real server: what the key and vector checks
// refuse (and that nothing is sent then), one message for the devices that failed while
// the others keep their configuration, and which devices are offered at all.

#include "pagebench/BenchTestCase.h"

#include <UI/Window/BasicSetting/QRCodeCfgRules.h>
#include <UI/Window/BasicSetting/QRCodeCfgWidget.h>

#include <UiDataController/CCheckedDeviceManagerModel.h>
#include <UiDataController/ErrorInfoMgr.h>
#include <UiDataController/ModelRoles.h>

#include <QorvaGUIToolkit/CStatusValidateLineEdit.h>
#include <QorvaGUIToolkit/CTreeView.h>

#include <QAbstractItemModelTester>
#include <QPushButton>
#include <QtTest>

using namespace visitorclient;
using QorvaGUIToolkit::CStatusValidateLineEdit;

namespace {

const QString kKey = QStringLiteral("0123456789abcdef0123456789ABCDEF");
const QString kVector = QStringLiteral("fedcba9876543210FEDCBA9876543210");
const char *const kMain = "Main Entrance Controller";
const char *const kLab = "R&D Building Controller";
const char *const kWarehouse = "Warehouse Controller";

QString pageText(const char *key)
{
    return QCoreApplication::translate("visitorclient::QRCodeCfgWidget", key);
}

// Devices of any types, as a framework with cameras and controllers would list them.
class FakeDevices : public qorva7310::IAbstractDeviceManager
{
public:
    std::vector<qorva7310::DeviceInfo> all;

    qorva7310::LoadState loadState() const override { return qorva7310::LoadState::Loaded; }
    void refresh() override {}
    void addChangeListener(qorva7310::IDataChangeListener *) override {}
    void removeChangeListener(qorva7310::IDataChangeListener *) override {}
    std::vector<std::string> deviceIds(const std::vector<int> &types) const override
    {
        std::vector<std::string> ids;
        for (const auto &d : getDevices(types))
            ids.push_back(d.id);
        return ids;
    }
    std::vector<qorva7310::DeviceInfo> getDevices(const std::vector<int> &types) const override
    {
        std::vector<qorva7310::DeviceInfo> out;
        for (const auto &d : all) {
            if (types.empty() || std::find(types.begin(), types.end(), d.type) != types.end())
                out.push_back(d);
        }
        return out;
    }
    bool getDevice(const std::string &id, qorva7310::DeviceInfo &device) const override
    {
        for (const auto &d : all) {
            if (d.id == id) {
                device = d;
                return true;
            }
        }
        return false;
    }
    std::string getDeviceName(const std::string &id) const override
    {
        qorva7310::DeviceInfo d;
        return getDevice(id, d) ? d.name : std::string();
    }
};

} // namespace

class TestQRCodeCfgPage : public pagebench::BenchTestCase
{
    Q_OBJECT
    std::unique_ptr<QRCodeCfgWidget> m_page;

    // The page as the main window makes it, with its own device manager, once it lists
    // the site's three controllers.
    QRCodeCfgWidget &openPage()
    {
        m_page = std::make_unique<QRCodeCfgWidget>();
        m_page->resize(900, 700);
        m_page->show();
        if (!m_bench.waitUntil([this] { return m_page->deviceModel()->rowCount() == 3; }))
            qWarning("the page did not list the site's devices");
        m_bench.mark();
        return *m_page;
    }

    CStatusValidateLineEdit *edit(const char *name)
    {
        return m_page->findChild<CStatusValidateLineEdit *>(QLatin1String(name));
    }

    void enter(const QString &key, const QString &vector)
    {
        edit("QRKeyEdit")->setText(key);
        edit("QRVectorEdit")->setText(vector);
    }

    bool tick(const char *deviceName)
    {
        QAbstractItemModel *model = m_page->deviceModel();
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row, 0);
            if (index.data(UiDataController::DeviceNameRole).toString() ==
                QLatin1String(deviceName))
                return model->setData(index, Qt::Checked, Qt::CheckStateRole);
        }
        return false;
    }

    // Server listing row of a device: its columns joined by tabs.
    QString stored(const char *deviceName)
    {
        for (const auto &row : m_bench.server().list("devices")) {
            if (row.size() > 1 && row[1] == deviceName) {
                QStringList cells;
                for (const auto &c : row)
                    cells << QString::fromStdString(c);
                return cells.join(QLatin1Char('\t'));
            }
        }
        return QString();
    }

    int writes() const
    {
        int count = 0;
        for (const QString &r : m_bench.requests())
            count += r.contains(QLatin1String("/qrCodeEncryption")) ? 1 : 0;
        return count;
    }

    void releaseTestObjects() override { m_page.reset(); }

private slots:
    void refusesWhatIsNotAKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("vector");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("field");
        const QString keyEdit = QStringLiteral("QRKeyEdit");
        const QString vectorEdit = QStringLiteral("QRVectorEdit");
        QTest::newRow("empty key")
            << QString() << kVector << "Qorva-7310_Client.f5ec5cb47c234fca8f05329d43c8413c.msg"
            << keyEdit;
        QTest::newRow("key of 31")
            << kKey.left(31) << kVector << "Qorva-7310_Client.KeyLen.msg" << keyEdit;
        QTest::newRow("key of 33")
            << kKey + "x" << kVector << "Qorva-7310_Client.KeyLen.msg" << keyEdit;
        QTest::newRow("empty vector")
            << kKey << QString() << "Qorva-7310_Client.VeyEmpty.msg" << vectorEdit;
        QTest::newRow("vector of 31")
            << kKey << kVector.left(31) << "Qorva-7310_Client.VeyLen.msg" << vectorEdit;
        QTest::newRow("vector of 33") << kKey << kVector + "x"
                                      << "Qorva-7310_Client.VeyLen.msg" << vectorEdit;
        // The key is checked before the vector.
        QTest::newRow("both short")
            << kKey.left(5) << kVector.left(5) << "Qorva-7310_Client.KeyLen.msg" << keyEdit;
    }

    void refusesWhatIsNotAKey()
    {
        QFETCH(QString, key);
        QFETCH(QString, vector);
        QFETCH(QString, message);
        QFETCH(QString, field);
        openPage();
        QVERIFY(tick(kMain));
        enter(key, vector);
        m_page->findChild<QPushButton *>(QStringLiteral("QRSaveBtn"))->click();
        QCOMPARE(m_bench.toolTips(), QStringList{pageText(message.toLatin1().constData())});
        QVERIFY(pageText(message.toLatin1().constData()) != message);
        auto *refused = edit(field.toLatin1().constData());
        QCOMPARE(refused->status(), int(CStatusValidateLineEdit::Error));
        QVERIFY(m_bench.waitUntil([&] { return refused->hasFocus(); }));
        QCOMPARE(writes(), 0);
        QVERIFY(m_bench.notices().isEmpty());
    }

    void typingStopsAtThirtyTwoCharacters()
    {
        openPage();
        QTest::keyClicks(edit("QRKeyEdit"), kKey + "Z");
        QCOMPARE(edit("QRKeyEdit")->text(), kKey);
    }

    void withoutATickedDeviceNothingIsSent()
    {
        openPage();
        enter(kKey, kVector);
        m_page->onSave();
        QCOMPARE(m_bench.toolTips(), QStringList{pageText("SelectDeviceFirst")});
        QCOMPARE(writes(), 0);
        QVERIFY(m_bench.waitTexts().isEmpty());
    }

    void everyTickedDeviceIsWritten()
    {
        openPage();
        QAbstractItemModelTester tester(m_page->deviceModel());
        QVERIFY(tick(kMain));
        QVERIFY(tick(kLab));
        enter(kKey, kVector);
        m_page->onSave();
        QCOMPARE(m_bench.notices(), QStringList{pageText("SaveConfigurationSuccessfully")});
        QCOMPARE(m_bench.waitTexts(), QStringList{pageText("IsExporting")});
        QCOMPARE(writes(), 2);
        for (const char *device : {kMain, kLab}) {
            QVERIFY2(
                stored(device).endsWith(QStringLiteral("AES128_CBC\t%1\t%2").arg(kKey, kVector)),
                qPrintable(stored(device)));
        }
        QVERIFY(!stored(kWarehouse).contains(QLatin1String("AES128_CBC")));
        // What was entered stays for the next save.
        QCOMPARE(edit("QRKeyEdit")->text(), kKey);
        QVERIFY(m_page->lastErrorText().isEmpty());
    }

    void theDevicesThatFailAreNamedInOneMessage()
    {
        openPage();
        QCOMPARE(m_bench.server().setDeviceFailing(m_bench.ids("devices").at(1), true), 0u);
        for (const char *device : {kMain, kLab, kWarehouse})
            QVERIFY(tick(device));
        enter(kKey, kVector);
        m_page->onSave();

        const QString offline = UiDataController::CErrorInfoMgr::GetErrorInfoByCode(20, 13);
        const QString rejected = UiDataController::CErrorInfoMgr::GetErrorInfoByCode(20, 14);
        QVERIFY(offline.contains(QLatin1String("offline")));
        const QStringList notices = m_bench.notices();
        QCOMPARE(notices.size(), 1);
        const QString text = notices.first();
        QVERIFY2(text.startsWith(pageText("SaveFailed")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("%1: %2;").arg(kWarehouse, offline)),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("%1: %2;").arg(kLab, rejected)), qPrintable(text));
        QVERIFY2(!text.contains(QLatin1String(kMain)), qPrintable(text));
        const QString failures = text.mid(pageText("SaveFailed").size());
        QVERIFY(m_bench.log().waitForPart("[2.0] SetQRCodeParam error [" + failures.toStdString() +
                                          "]"));
        // A refusing device does not stop the others.
        QVERIFY(stored(kMain).contains(kKey));
        QCOMPARE(writes(), 3);

        // The next save starts a fresh account.
        QCOMPARE(m_bench.server().setDeviceFailing(m_bench.ids("devices").at(1), false), 0u);
        m_page->deviceModel()->setData(m_page->deviceModel()->index(2, 0), Qt::Unchecked,
                                       Qt::CheckStateRole);
        m_bench.mark();
        m_page->onSave();
        QCOMPARE(m_bench.notices(), QStringList{pageText("SaveConfigurationSuccessfully")});
        QVERIFY(m_page->lastErrorText().isEmpty());
    }

    void onlyDevicesThatTakeAKeyAreOffered()
    {
        auto devices = std::make_shared<FakeDevices>();
        devices->all = {{"d1", "Lobby camera", 1, "10.0.0.1", 8000, true},
                        {"d2", "Gate controller", 108, "10.0.0.2", 8000, true},
                        {"d3", "Video recorder", 201, "10.0.0.3", 8000, true},
                        {"d4", "Lab controller", 109, "10.0.0.4", 8000, false},
                        {"d5", "Store controller", 102, "10.0.0.5", 8000, true}};
        QRCodeCfgWidget page(nullptr, devices);
        QAbstractItemModel *model = page.deviceModel();
        QVERIFY(m_bench.waitUntil([&] { return model->rowCount() == 3; }));
        QStringList names;
        for (int row = 0; row < model->rowCount(); ++row) {
            names << model->index(row, 0).data(UiDataController::DeviceNameRole).toString();
            QVERIFY(model->flags(model->index(row, 0)) & Qt::ItemIsUserCheckable);
        }
        QCOMPARE(names, (QStringList{"Gate controller", "Lab controller", "Store controller"}));
    }

    void permissionAndCancel()
    {
        openPage();
        const QList<QWidget *> editors = {
            edit("QRKeyEdit"), edit("QRVectorEdit"),
            m_page->findChild<QWidget *>(QStringLiteral("QRSaveBtn")),
            m_page->findChild<QWidget *>(QStringLiteral("QRDeviceTree"))};
        m_page->setPageEnabled(false);
        for (QWidget *w : editors)
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(!m_page->isPageEnabled());
        m_page->setPageEnabled(true);
        for (QWidget *w : editors)
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        // Cancel stays hidden; it only empties the edits.
        QVERIFY(m_page->findChild<QWidget *>(QStringLiteral("QRCancelBtn"))->isHidden());
        enter(kKey, kVector);
        m_page->onCancel();
        QVERIFY(edit("QRKeyEdit")->text().isEmpty());
        QVERIFY(edit("QRVectorEdit")->text().isEmpty());
    }
};

QTEST_MAIN(TestQRCodeCfgPage)
#include "tst_qrcode_cfg_page.moc"
