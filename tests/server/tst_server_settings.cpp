// Basic settings on the server: kept as sent across a restart, reasons in their order,
// and the faults a demo can switch on.

#include "ServerTestFixture.h"

#include <CommunicationLayer/BasicSettingComm.h>
#include <JSONStruct/settings/BasicSetting.h>
#include <JSONStruct/settings/QueryBasicSettingResult.h>

using namespace servertest;
using commlayer::BasicSettingComm;
using Fault = qorvaserver::CManagementServer::SettingsFault;

namespace {

protocol::BasicSetting settingWithReasons(const std::vector<std::string> &names)
{
    protocol::BasicSetting s;
    s.name_ = {1, 1, 1};
    s.phone = {1, 1, 1};
    s.remark = {0, 0, 1};
    s.appointmentDay = 5;
    for (const std::string &n : names) {
        protocol::VisitReason r;
        r.visitReasonGuid = "guid-" + n;
        r.Name = n;
        s.visitReasonList.push_back(r);
    }
    return s;
}

std::vector<std::string> reasonNames(const protocol::QueryBasicSettingResult &r)
{
    std::vector<std::string> names;
    for (const auto &reason : r.visitReasonResultList)
        names.push_back(reason.Name);
    return names;
}

} // namespace

TEST_F(ServerTest, SettingsSurviveARestartWithTheReasonsInTheirOrder)
{
    // Neither alphabetical nor insertion-id order: the order the operator made.
    const std::vector<std::string> names{"Zulu", "会议", "Alpha", "Mike"};
    ASSERT_TRUE(BasicSettingComm::setConfig(settingWithReasons(names)));

    stopServer();
    startServer();

    protocol::QueryBasicSettingResult back;
    ASSERT_TRUE(BasicSettingComm::getConfig(back));
    EXPECT_EQ(reasonNames(back), names);
    EXPECT_EQ(back.visitReasonResultList[2].visitReasonGuid, "guid-Alpha");
    EXPECT_EQ(back.phone, (std::vector<std::int32_t>{1, 1, 1}));
    EXPECT_EQ(back.remark, (std::vector<std::int32_t>{0, 0, 1}));
    EXPECT_TRUE(back.gender.empty());
    EXPECT_EQ(back.appointmentDay, 5);

    // A later save replaces the list as a whole, also when it is shorter.
    ASSERT_TRUE(BasicSettingComm::setConfig(settingWithReasons({"Mike"})));
    ASSERT_TRUE(BasicSettingComm::getConfig(back));
    EXPECT_EQ(reasonNames(back), std::vector<std::string>{"Mike"});
}

TEST_F(ServerTest, AFaultyServerRefusesSavesOrForgetsTheReasons)
{
    ASSERT_TRUE(BasicSettingComm::setConfig(settingWithReasons({"Kept"})));

    server->setSettingsFault(Fault::RefuseSaves);
    EXPECT_FALSE(BasicSettingComm::setConfig(settingWithReasons({"Lost"})));
    EXPECT_EQ(lastError(), "20-17");
    protocol::QueryBasicSettingResult back;
    ASSERT_TRUE(BasicSettingComm::getConfig(back));
    EXPECT_EQ(reasonNames(back), std::vector<std::string>{"Kept"});

    server->setSettingsFault(Fault::DropReasons);
    protocol::BasicSetting changed = settingWithReasons({"Lost"});
    changed.appointmentDay = 2;
    EXPECT_TRUE(BasicSettingComm::setConfig(changed));
    ASSERT_TRUE(BasicSettingComm::getConfig(back));
    EXPECT_TRUE(back.visitReasonResultList.empty());
    EXPECT_EQ(back.appointmentDay, 2); // the rest is stored

    server->setSettingsFault(Fault::None);
    ASSERT_TRUE(BasicSettingComm::setConfig(settingWithReasons({"Back"})));
    ASSERT_TRUE(BasicSettingComm::getConfig(back));
    EXPECT_EQ(reasonNames(back), std::vector<std::string>{"Back"});
}
