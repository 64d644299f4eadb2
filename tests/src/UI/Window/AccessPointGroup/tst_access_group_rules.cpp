// What the group page decides without a window: limits, names, the default group, the
// fill rhythm, device removals, delete answers, synchronisation failures and the wire
// conversions.

#include <UI/Window/AccessPointGroup/AccessGroupRules.h>

#include <JSONStruct/accessgroup/DeleteAccessPointGroupResultData.h>
#include <JSONStruct/accessgroup/VisitAaccessGroupAddParam.h>
#include <JSONStruct/accessgroup/VisitAccessGroupModifyParam.h>
#include <JSONStruct/accessgroup/VisitAccessGroupQueryResp.h>
#include <JSONStruct/accessgroup/VisitorRightConfigResultData.h>

#include <JSONStruct/Core/JSONText.h>

#include <gtest/gtest.h>

using namespace visitorclient;
namespace Rules = visitorclient::AccessGroupRules;

namespace {

doorData door(const std::string &device, const std::string &id)
{
    return {device, id, "area", "Door " + id, 1};
}

} // namespace

TEST(AccessGroupRules, LimitsNamesAndDefaultGroup)
{
    EXPECT_TRUE(Rules::canAddGroup(63));
    EXPECT_FALSE(Rules::canAddGroup(64));

    EXPECT_EQ(Rules::checkName("", {"a"}), Rules::NameCheck::Empty);
    EXPECT_EQ(Rules::checkName("Lobby", {"Lobby"}), Rules::NameCheck::Exists);
    EXPECT_EQ(Rules::checkName("LOBBY", {"Lobby"}), Rules::NameCheck::Ok);
    EXPECT_EQ(Rules::checkName(" Lobby", {"Lobby"}), Rules::NameCheck::Ok);

    // No default yet: any group may become it; else only the default group itself.
    EXPECT_TRUE(Rules::defaultGroupAllowed(-1, -1));
    EXPECT_TRUE(Rules::defaultGroupAllowed(-1, 3));
    EXPECT_FALSE(Rules::defaultGroupAllowed(2, -1));
    EXPECT_FALSE(Rules::defaultGroupAllowed(2, 3));
    EXPECT_TRUE(Rules::defaultGroupAllowed(2, 2));
}

TEST(AccessGroupRules, FillYieldsBeforeEveryThirtySecondDoor)
{
    int yields = 0;
    for (int i = 0; i < 33; ++i)
        yields += Rules::yieldsBeforeDoor(i) ? 1 : 0;
    EXPECT_EQ(yields, 2);
    EXPECT_TRUE(Rules::yieldsBeforeDoor(64));
    EXPECT_FALSE(Rules::yieldsBeforeDoor(63));
}

TEST(AccessGroupRules, DeviceRemovalAndDoorRenames)
{
    groupData group;
    group.vecDoors = {door("d1", "a"), door("d2", "b"), door("d1", "c")};
    EXPECT_TRUE(Rules::removeDeviceDoor(group, "d1"));
    ASSERT_EQ(group.vecDoors.size(), 2);
    EXPECT_EQ(group.vecDoors[0].strObjectGuid, "b");
    EXPECT_EQ(group.vecDoors[1].strObjectGuid, "c");
    EXPECT_FALSE(Rules::removeDeviceDoor(group, "d9"));

    EXPECT_TRUE(Rules::renameDoor(group, "c", "Gate"));
    EXPECT_EQ(group.vecDoors[1].strObjectName, "Gate");
    EXPECT_FALSE(Rules::renameDoor(group, "c", "Gate"));
    EXPECT_FALSE(Rules::renameDoor(group, "x", "Gate"));
}

TEST(AccessGroupRules, DeleteAnswersPairWithTheRequestOrder)
{
    protocol::DeleteAccessPointGroupResultData answer;
    for (const char *code : {"0-0", "0-41", "0-0"}) {
        protocol::DeleteAccessPointGroupRe re;
        re.code = code;
        answer.deleteAccessPointGroupResult.push_back(re);
    }
    Rules::DeleteOutcome outcome = Rules::deleteOutcome(3, answer);
    EXPECT_EQ(outcome.deleted, (QVector<int>{0, 2}));
    EXPECT_EQ(outcome.refused, (QVector<int>{1}));

    // A short answer deletes nothing it does not name, and names nothing as in use.
    outcome = Rules::deleteOutcome(5, answer);
    EXPECT_EQ(outcome.deleted, (QVector<int>{0, 2}));
    EXPECT_EQ(outcome.refused, (QVector<int>{1}));
    outcome = Rules::deleteOutcome(1, answer);
    EXPECT_EQ(outcome.deleted, (QVector<int>{0}));
    EXPECT_TRUE(outcome.refused.isEmpty());
}

TEST(AccessGroupRules, SynchronisationFailuresInAnswerOrder)
{
    const char *text = R"({"visitorRightConfigResult":{"rightListResult":[
        {"guid":"a","ip":"10.0.0.1","result":1},
        {"guid":"b","ip":"10.0.0.2","result":0},
        {"guid":"c","ip":"10.0.0.3"},
        {"guid":"d","ip":"10.0.0.4","result":2}]}})";
    const char *errorAt = nullptr;
    protocol::JSONNodePtr node = protocol::parseJSONText(text, errorAt);
    ASSERT_TRUE(node);
    const protocol::VisitorRightConfigResultData answer(node.get());
    EXPECT_EQ(Rules::failedDeviceAddresses(answer),
              (QStringList{"10.0.0.2", "10.0.0.3", "10.0.0.4"}));
    EXPECT_TRUE(Rules::failedDeviceAddresses(protocol::VisitorRightConfigResultData()).isEmpty());
}

TEST(AccessGroupConversions, FlagsAndDoorsBothWays)
{
    const char *text = R"({"accessGroupGuid":"g1","name":"Lobby","defaultGroup":1,
        "downloadIDCard":0,"QRCodeVersion":2,"description":"d",
        "vistObjectResList":[{"deviceGuid":"dev","objectGuid":"o2","objGroupGuid":"ar",
          "objectName":"Gate","objectNo":7,"objectType":5},
          {"objectGuid":"o1","objectNo":1}]})";
    const char *errorAt = nullptr;
    protocol::JSONNodePtr node = protocol::parseJSONText(text, errorAt);
    ASSERT_TRUE(node);
    const groupData group =
        AccessGroupConversions::fromQueryResp(protocol::VisitAccessGroupQueryResp(node.get()));
    EXPECT_EQ(group.strGuid, "g1");
    EXPECT_TRUE(group.bDefaultGroup);
    EXPECT_FALSE(group.bDownloadIdCard);
    EXPECT_TRUE(group.bQrCodeV2);
    ASSERT_EQ(group.vecDoors.size(), 2);
    EXPECT_EQ(group.vecDoors[0], (doorData{"dev", "o2", "ar", "Gate", 7}));
    EXPECT_EQ(group.vecDoors[1].strObjectGuid, "o1");

    const protocol::VisitAaccessGroupAddParam add = AccessGroupConversions::toAddParam(group);
    EXPECT_EQ(add.name_, "Lobby");
    EXPECT_EQ(add.defaultGroup, 1);
    EXPECT_EQ(add.downloadIDCard, 0);
    EXPECT_EQ(add.QRCodeVersion, 2);
    ASSERT_EQ(add.visitObjectAddList.size(), 2u);
    EXPECT_EQ(add.visitObjectAddList[0].objectNo, 7);
    EXPECT_EQ(add.visitObjectAddList[0].objectType, 0);

    groupData plain = group;
    plain.bDefaultGroup = false;
    plain.bDownloadIdCard = true;
    plain.bQrCodeV2 = false;
    const protocol::VisitAccessGroupModifyParam modify =
        AccessGroupConversions::toModifyParam(plain);
    EXPECT_EQ(modify.defaultGroup, 0);
    EXPECT_EQ(modify.downLoadIDCard, 1);
    EXPECT_EQ(modify.QRCodeVersion, 1);
    ASSERT_EQ(modify.objectModifyList.size(), 2u);
    EXPECT_EQ(modify.objectModifyList[1].objectGuid, "o1");

    // A group without a door list has no doors.
    node = protocol::parseJSONText(R"({"accessGroupGuid":"g2","name":"Empty"})", errorAt);
    ASSERT_TRUE(node);
    EXPECT_TRUE(
        AccessGroupConversions::fromQueryResp(protocol::VisitAccessGroupQueryResp(node.get()))
            .vecDoors.isEmpty());
}
