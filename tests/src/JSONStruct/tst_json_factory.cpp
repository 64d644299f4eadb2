#include <JSONStruct/Core/GenericRecord.h>
#include <JSONStruct/Core/RecordFactory.h>
#include <JSONStruct/LPC/WindowCommandData.h>
#include <JSONStruct/WebSocket/WebSocketCommonJSONStruct.h>
#include <JSONStruct/accessgroup/DeviceRemovedNotifyData.h>
#include <JSONStruct/accessgroup/ElementNameChangedNotifyData.h>
#include <JSONStruct/framework_services/DeviceNotifyData.h>
#include <JSONStruct/framework_services/ElementNotifyData.h>
#include <JSONStruct/framework_services/PersonnelNotifyData.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

using namespace protocol;

TEST(RecordFactory, NamesAreUnique)
{
    const auto &names = RecordFactory::recordNames();
    const std::set<std::string> unique(names.begin(), names.end());
    EXPECT_EQ(unique.size(), names.size());
}

TEST(RecordFactory, KindsOfNames)
{
    struct Row
    {
        const char *name;
        bool kinds[3];
    };
    const Row rows[] = {
        {"loadComponents", {true, true, false}},
        {"getWndHandle", {true, true, false}},
        {"getPermCode", {true, true, false}},
        {"importGroup", {true, true, false}},
        {"systemConfigPageChanged", {true, true, false}},
        {"systemConfigPageSave", {true, true, false}},
        {"getDeviceInfo", {true, true, false}},
        {"componentClosed", {false, true, false}},
        {"unloadComponents", {false, true, false}},
        {"showWnd", {true, false, false}},
        {"switchUserUpdateFrame", {true, false, false}},
        {"unloadAllComponents", {true, false, false}},
        {"accessGroupStatusChanged", {true, false, false}},
        {"stopVideoVoiceTalk", {true, false, false}},
        {"groupAdded", {false, false, true}},
        {"appointmentDeleted", {false, false, true}},
        {"downloadPermission", {false, false, true}},
        {"AccessGroupsModify", {false, false, true}},
        {"ConsumerRechargeConfirm", {false, false, true}},
        {"clientDisconnected", {false, false, false}},
        {"GETWNDHANDLE", {false, false, false}},
        {"", {false, false, false}},
    };
    const RecordFactory &factory = RecordFactory::instance();
    for (const Row &row : rows) {
        for (int kind = 0; kind < 3; ++kind) {
            SCOPED_TRACE(std::string(row.name) + " kind " + std::to_string(kind));
            EXPECT_EQ(factory.contains(row.name, kind), row.kinds[kind]);
            RecordPtr record = factory.create(row.name, kind);
            EXPECT_EQ(record != nullptr, row.kinds[kind]);
        }
    }
    EXPECT_EQ(factory.create("showWnd", -1), nullptr);
    EXPECT_EQ(factory.create("showWnd", 10), nullptr);
    EXPECT_EQ(factory.create("showWnd", 3), nullptr);
}

TEST(RecordFactory, EveryRecordHasTheInterfaceOfItsKindAndItsName)
{
    const RecordFactory &factory = RecordFactory::instance();
    for (const char *name : RecordFactory::recordNames()) {
        for (int kind = 0; kind < 3; ++kind) {
            RecordPtr record = factory.create(name, kind);
            if (!record)
                continue;
            SCOPED_TRACE(std::string(name) + " kind " + std::to_string(kind));
            if (kind == RecordFactory::Notification) {
                auto *body = dynamic_cast<IWebsocketData *>(record.get());
                ASSERT_NE(body, nullptr);
                EXPECT_STREQ(body->name(), name);
                EXPECT_EQ(dynamic_cast<ILPCData *>(record.get()), nullptr);
            } else {
                auto *payload = dynamic_cast<ILPCData *>(record.get());
                ASSERT_NE(payload, nullptr);
                EXPECT_STREQ(payload->name(), name);
            }
        }
    }
}

TEST(RecordFactory, OwnRecordsReplaceGenericOnes)
{
    const RecordFactory &factory = RecordFactory::instance();
    EXPECT_NE(dynamic_cast<GetWndHandleRequestData *>(factory.create("getWndHandle", 0).get()), nullptr);
    EXPECT_NE(dynamic_cast<GetWndHandleResponseData *>(factory.create("getWndHandle", 1).get()), nullptr);
    EXPECT_NE(dynamic_cast<ShowWndRequestData *>(factory.create("showWnd", 0).get()), nullptr);
    EXPECT_NE(dynamic_cast<SwitchUserUpdateFrameRequestData *>(factory.create("switchUserUpdateFrame", 0).get()),
              nullptr);
    EXPECT_NE(dynamic_cast<GenericLPCData *>(factory.create("loadComponents", 1).get()), nullptr);
    EXPECT_NE(dynamic_cast<GenericWebsocketData *>(factory.create("taskAdded", 2).get()), nullptr);
    // One record class serves several framework-data types; the first family to
    // register a type keeps it.
    EXPECT_NE(dynamic_cast<ElementNotifyData *>(factory.create("doorOnlineState", 2).get()),
              nullptr);
    EXPECT_NE(dynamic_cast<ElementNotifyData *>(factory.create("elementAdded", 2).get()), nullptr);
    EXPECT_NE(dynamic_cast<PersonnelNotifyData *>(factory.create("parentModified", 2).get()),
              nullptr);
    EXPECT_NE(dynamic_cast<DeviceNotifyData *>(factory.create("deviceLogout", 2).get()), nullptr);
    EXPECT_NE(dynamic_cast<DeviceRemovedNotifyData *>(factory.create("deviceRemoved", 2).get()),
              nullptr);
    EXPECT_NE(
        dynamic_cast<ElementNameChangedNotifyData *>(factory.create("elementNameChanged", 2).get()),
        nullptr);
}

TEST(RecordFactory, SharedNotificationRecordsKeepTheirTypeAndTheKeysSent)
{
    WebSocketNotifyData envelope(nullptr);
    ASSERT_TRUE(envelope.Parse(R"({"guid":"n1","type":"personnelNameModified",
                                   "data":{"guid":"p1","name":"Li Na"}})"));
    ASSERT_NE(envelope.data, nullptr);
    EXPECT_STREQ(envelope.data->name(), "personnelNameModified");
    const auto *person = dynamic_cast<const PersonnelNotifyData *>(envelope.data.get());
    ASSERT_NE(person, nullptr);
    EXPECT_EQ(person->name_, "Li Na");
    EXPECT_TRUE(person->hasKey("name"));
    EXPECT_FALSE(person->hasKey("orgGuid")); // a partial change leaves the rest alone
}

TEST(RecordFactory, SharedRecordsOfTheWrongInterfaceAreReleased)
{
    const RecordFactory &factory = RecordFactory::instance();
    EXPECT_EQ(factory.createShared<IWebsocketData>("showWnd", 0), nullptr);
    EXPECT_EQ(factory.createShared<ILPCData>("groupAdded", 2), nullptr);
    std::shared_ptr<ILPCData> payload = factory.createShared<ILPCData>("showWnd", 0);
    ASSERT_NE(payload, nullptr);
    std::shared_ptr<ILPCData> other = payload; // handed on by copying the pointer
    payload.reset();
    EXPECT_STREQ(other->name(), "showWnd");
}

TEST(RecordFactory, ConcurrentFirstUseBuildsOneFactory)
{
    std::vector<std::thread> threads;
    std::vector<const RecordFactory *> seen(8, nullptr);
    for (std::size_t i = 0; i < seen.size(); ++i) {
        threads.emplace_back([&seen, i] {
            seen[i] = &RecordFactory::instance();
            RecordPtr record = seen[i]->create("groupAdded", 2);
            EXPECT_NE(record, nullptr);
        });
    }
    for (std::thread &t : threads)
        t.join();
    for (const RecordFactory *factory : seen)
        EXPECT_EQ(factory, &RecordFactory::instance());
}
