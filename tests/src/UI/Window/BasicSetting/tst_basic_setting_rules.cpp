// Naming a new visit reason and judging reasons before a save.

#include <UI/Window/BasicSetting/BasicSettingRules.h>

#include <gtest/gtest.h>

using namespace visitorclient;
using BasicSettingRules::ReasonProblem;

TEST(BasicSettingRules, ANewReasonTakesTheSmallestFreeNumber)
{
    const QString p = QStringLiteral("Reason");
    struct Case
    {
        QStringList names;
        QString expected;
    } cases[] = {
        {{}, "Reason1"},
        {{"Training"}, "Reason1"},
        {{"Reason1", "Reason3"}, "Reason2"},
        {{"Reason2", "Reason1"}, "Reason3"},
        // Only the plain form counts as taken.
        {{"Reason01", "Reason 1", "Reason1a", "reason1", "Reason+1"}, "Reason1"},
        // Numbers beyond the candidates do not matter.
        {{"Reason7", "Reason9"}, "Reason1"},
        // Five names take 1..5: the sixth row gets 6.
        {{"Reason1", "Reason2", "Reason3", "Reason4", "Reason5"}, "Reason6"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(BasicSettingRules::nextReasonName(p, c.names), c.expected)
            << c.names.join(',').toStdString();
    // A translated prefix works the same.
    EXPECT_EQ(BasicSettingRules::nextReasonName(QStringLiteral("来访事由"),
                                                {QStringLiteral("来访事由1")}),
              QStringLiteral("来访事由2"));
}

TEST(BasicSettingRules, TheFirstReasonThatCannotBeSavedIsFound)
{
    auto reasons = [](const QStringList &names) {
        QVector<VisitReasonData> out;
        for (const QString &n : names)
            out.append({QStringLiteral("id-") + n, n});
        return out;
    };
    struct Case
    {
        QStringList names;
        ReasonProblem problem;
        int row;
    } cases[] = {
        {{"Training", "Meeting"}, ReasonProblem::None, -1},
        {{}, ReasonProblem::None, -1},
        {{"Training", "", "Meeting"}, ReasonProblem::Empty, 1},
        {{"Training", "   "}, ReasonProblem::Empty, 1},
        {{"Training", "Meeting", " training "}, ReasonProblem::Repeated, 2},
        {{"", ""}, ReasonProblem::Empty, 0},
        {{"会议", "会议"}, ReasonProblem::Repeated, 1},
    };
    for (const Case &c : cases) {
        int row = 99;
        EXPECT_EQ(BasicSettingRules::findReasonProblem(reasons(c.names), &row), c.problem)
            << c.names.join(',').toStdString();
        EXPECT_EQ(row, c.row) << c.names.join(',').toStdString();
    }
}
