// The appointment page's and form's decisions, without a window.

#include <UI/Window/Visitor/Appointment/AppointmentPageRules.h>
#include <UI/Window/Visitor/Appointment/Form/AppointmentFormRules.h>

#include <gtest/gtest.h>

using namespace visitorclient;
namespace Page = AppointmentPageRules;
namespace Form = AppointmentFormRules;

TEST(AppointmentPaging, RequestsAnExistingPage)
{
    EXPECT_EQ(Page::pageCount(0, 50), 0);
    EXPECT_EQ(Page::pageToRequest(0, 0, 50), 1);
    EXPECT_EQ(Page::pageToRequest(0, 3, 50), 1);
    EXPECT_EQ(Page::pageCount(101, 50), 3);
    EXPECT_EQ(Page::pageToRequest(101, 3, 50), 3);
    EXPECT_EQ(Page::pageToRequest(100, 3, 50), 1);
    // A page size of 0 would divide by zero: it counts as 50.
    EXPECT_EQ(Page::pageCount(120, 0), 3);
}

TEST(AppointmentPaging, DeletingTheWholeLastPageStepsBack)
{
    // 120 rows in pages of 50: page 3 holds 20.
    EXPECT_EQ(Page::pageAfterDelete(20, 20, 120, 3, 50), 2);
    EXPECT_EQ(Page::pageAfterDelete(19, 20, 120, 3, 50), 3);
    // The whole of a page that is not the last reloads it (rows move up).
    EXPECT_EQ(Page::pageAfterDelete(50, 50, 120, 2, 50), 2);
    // The first page stays the first page.
    EXPECT_EQ(Page::pageAfterDelete(7, 7, 7, 1, 50), 1);
    EXPECT_EQ(Page::pageAfterDelete(0, 0, 0, 1, 50), 1);
}

TEST(AppointmentPaging, AddingOnAFullPageDropsTheRowPastIt)
{
    EXPECT_FALSE(Page::dropsRowPastPage(50, 50));
    EXPECT_TRUE(Page::dropsRowPastPage(51, 50));
    EXPECT_FALSE(Page::dropsRowPastPage(30, 0));
}

TEST(AppointmentCap, AddAndImportStopAtTenThousand)
{
    EXPECT_TRUE(Page::canAdd(9999));
    EXPECT_FALSE(Page::canAdd(10000));
    EXPECT_FALSE(Page::canAdd(10001));
    EXPECT_EQ(Page::importAllowance(9995), 5);
    EXPECT_EQ(Page::importAllowance(10000), 0);
    EXPECT_EQ(Page::importAllowance(10200), 0);
}

TEST(AppointmentSearch, IsLiteralAndIgnoresCase)
{
    const QRegExp search = Page::searchExpression(QStringLiteral("  A.C*(  "));
    EXPECT_TRUE(search.indexIn(QStringLiteral("xa.c*(y")) >= 0);
    EXPECT_LT(search.indexIn(QStringLiteral("abc*(")), 0);
    EXPECT_LT(search.indexIn(QStringLiteral("a.c")), 0);
}

TEST(AppointmentRenames, ReasonAndGroupNamesReachTheRecord)
{
    AppointmentInfoData info;
    info.strVisitReasonId = QStringLiteral("r2");
    info.strVisitReason = QStringLiteral("Old");
    EXPECT_FALSE(Page::applyReasonNames(info, {{"r1", "Other"}, {"r2", "Old"}}));
    EXPECT_TRUE(Page::applyReasonNames(info, {{"r1", "Other"}, {"r2", "New"}}));
    EXPECT_EQ(info.strVisitReason, QStringLiteral("New"));

    info.strAccessGroupGuids = QStringLiteral("g1,g2,g3");
    info.strAccessGroupNames = QStringLiteral("One,,Three");
    QMap<QString, QString> names{{"g2", "Two"}, {"g3", "Three"}};
    EXPECT_TRUE(Page::applyGroupNames(info, names));
    EXPECT_EQ(info.strAccessGroupNames, QStringLiteral("One,Two,Three"));
    EXPECT_FALSE(Page::applyGroupNames(info, names));
    // Lists that do not pair up are left alone.
    info.strAccessGroupNames = QStringLiteral("One,Two");
    EXPECT_FALSE(Page::applyGroupNames(info, {{"g1", "Uno"}}));
    EXPECT_EQ(info.strAccessGroupNames, QStringLiteral("One,Two"));
}

TEST(AppointmentFormSettings, ShortListsShowAndRequireBasicFieldsOnly)
{
    const Form::FieldState basic = Form::basicFieldState({1, 0});
    EXPECT_TRUE(basic.shown);
    EXPECT_TRUE(basic.required);
    const Form::FieldState hidden = Form::basicFieldState({0, 1, 0});
    EXPECT_FALSE(hidden.shown);
    EXPECT_TRUE(hidden.required);
    const Form::FieldState current{false, true};
    const Form::FieldState kept = Form::otherFieldState({}, current);
    EXPECT_FALSE(kept.shown);
    EXPECT_TRUE(kept.required);
    const Form::FieldState set = Form::otherFieldState({1, 0, 1}, current);
    EXPECT_TRUE(set.shown);
    EXPECT_FALSE(set.required);
}

namespace {

Form::BasicInput validBasic()
{
    Form::BasicInput input;
    input.name = QStringLiteral("Visitor");
    input.nameRequired = true;
    input.now = QDateTime(QDate(2026, 5, 1), QTime(9, 30, 0));
    input.visit = Form::defaultVisitTime(input.now.date());
    input.leave = Form::defaultLeaveTime(input.now.date());
    input.visitText = input.visit.toString();
    input.leaveText = input.leave.toString();
    input.receptionist = QStringLiteral("Host");
    input.organization = QStringLiteral("Org");
    input.bookingDays = 0;
    return input;
}

} // namespace

TEST(AppointmentFormBasic, DefaultTimesCoverTheDay)
{
    const QDate may1(2026, 5, 1);
    EXPECT_EQ(Form::defaultVisitTime(may1), QDateTime(may1, QTime(0, 0, 0)));
    EXPECT_EQ(Form::defaultLeaveTime(may1), QDateTime(may1, QTime(23, 59, 59)));
}

TEST(AppointmentFormBasic, BookingDaysBoundTheVisit)
{
    Form::BasicInput input = validBasic();
    // Booking days 0: the default visit (today 00:00) passes, a later moment does not.
    EXPECT_EQ(Form::checkBasic(input), Form::BasicCheck::Ok);
    input.visit = input.now;
    EXPECT_EQ(Form::checkBasic(input), Form::BasicCheck::BeyondBookingDays);
    input.visit = input.now.addSecs(-1);
    EXPECT_EQ(Form::checkBasic(input), Form::BasicCheck::Ok);
    input.bookingDays = 2;
    input.visit = input.now.addDays(2).addSecs(-1);
    input.leave = input.visit.addSecs(3600);
    EXPECT_EQ(Form::checkBasic(input), Form::BasicCheck::Ok);
    input.visit = input.visit.addSecs(1);
    EXPECT_EQ(Form::checkBasic(input), Form::BasicCheck::BeyondBookingDays);
}

TEST(AppointmentFormBasic, VisitMayEqualLeaveButNotPassIt)
{
    Form::BasicInput input = validBasic();
    input.bookingDays = 1;
    input.leave = input.visit;
    EXPECT_EQ(Form::checkBasic(input), Form::BasicCheck::Ok);
    input.visit = input.visit.addSecs(1);
    EXPECT_EQ(Form::checkBasic(input), Form::BasicCheck::VisitAfterLeave);
}

TEST(AppointmentFormBasic, ChecksRunInOrderAndFollowTheirOwnMarks)
{
    Form::BasicInput input = validBasic();
    input.name.clear();
    input.phoneRequired = true;
    EXPECT_EQ(Form::checkBasic(input), Form::BasicCheck::NameEmpty);
    input.nameRequired = false;
    EXPECT_EQ(Form::checkBasic(input), Form::BasicCheck::PhoneEmpty);
    input.phoneRequired = false;

    input.receptionist.clear();
    input.organization.clear();
    EXPECT_EQ(Form::checkBasic(input), Form::BasicCheck::Ok);
    input.organizationRequired = true;
    EXPECT_EQ(Form::checkBasic(input), Form::BasicCheck::OrganizationEmpty);
    input.receptionistRequired = true;
    EXPECT_EQ(Form::checkBasic(input), Form::BasicCheck::ReceptionistEmpty);
    // A hidden field is not checked.
    input.receptionistShown = false;
    EXPECT_EQ(Form::checkBasic(input), Form::BasicCheck::OrganizationEmpty);
}

TEST(AppointmentFormAdditional, IdentityCardNeedsEighteenCharacters)
{
    Form::AdditionalInput input;
    input.documentType.text = QStringLiteral("ID card");
    input.identityCode.text = QStringLiteral("11010519491231002");
    ASSERT_EQ(input.identityCode.text.size(), 17);
    EXPECT_EQ(Form::checkAdditional(input), Form::AdditionalCheck::IdentityCodeTooShort);
    input.identityCode.text += QLatin1Char('X');
    EXPECT_EQ(Form::checkAdditional(input), Form::AdditionalCheck::Ok);
    input.identityCode.text = QStringLiteral("E1234");
    input.documentTypeCode = 4; // passport
    EXPECT_EQ(Form::checkAdditional(input), Form::AdditionalCheck::Ok);
    input.identityCode.text.clear();
    input.identityCode.required = true;
    EXPECT_EQ(Form::checkAdditional(input), Form::AdditionalCheck::IdentityCodeEmpty);
}

TEST(AppointmentFormAdditional, PlateIsMeasuredInUtf8Bytes)
{
    Form::AdditionalInput input;
    input.plate.text = QStringLiteral("京沪粤苏浙鲁"); // 18 bytes
    EXPECT_EQ(Form::checkAdditional(input), Form::AdditionalCheck::PlateTooLong);
    input.plate.text = QStringLiteral("ABC1234");
    EXPECT_EQ(Form::checkAdditional(input), Form::AdditionalCheck::Ok);
    input.plate.text = QStringLiteral("京A12345"); // 3 + 6 bytes
    EXPECT_EQ(Form::checkAdditional(input), Form::AdditionalCheck::Ok);
}

TEST(AppointmentFormAdditional, RequiredTextsInFormOrder)
{
    Form::AdditionalInput input;
    input.company.required = true;
    input.remark.required = true;
    EXPECT_EQ(Form::checkAdditional(input), Form::AdditionalCheck::CompanyEmpty);
    input.company.shown = false;
    EXPECT_EQ(Form::checkAdditional(input), Form::AdditionalCheck::RemarkEmpty);
    input.remark.text = QStringLiteral("x");
    EXPECT_EQ(Form::checkAdditional(input), Form::AdditionalCheck::Ok);
}
