<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>visitorclient::SettingModel</name>
    <message>
        <source>Name</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>WhetherOrNotShownjKJGgYdD</source>
        <translation>Shown</translation>
    </message>
    <message>
        <source>IfRequiredTCxaHtSQ</source>
        <translation>Required</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Gender</translation>
    </message>
    <message>
        <source>MobilePhoneNumber</source>
        <translation>Mobile phone number</translation>
    </message>
    <message>
        <source>DocumentType</source>
        <translation>Document type</translation>
    </message>
    <message>
        <source>IdNo1Y8JOA4K</source>
        <translation>Document number</translation>
    </message>
    <message>
        <source>LicensePlaBBlHEgez</source>
        <translation>Licence plate</translation>
    </message>
    <message>
        <source>TheCompany</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>ArticlesCarriedByEJpEumGr</source>
        <translation>Belongings</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remark</translation>
    </message>
</context>
<context>
    <name>visitorclient::ReasonItemWidget</name>
    <message>
        <source>Add</source>
        <translation>Add a visit reason</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete this visit reason</translation>
    </message>
</context>
<context>
    <name>visitorclient::VisitReasonWidget</name>
    <message>
        <source>CannotBeEmpty</source>
        <translation>Cannot be empty</translation>
    </message>
    <message>
        <source>VisitReasonRepeatedQk7TnZ</source>
        <translation>Another visit reason has this name</translation>
    </message>
    <message>
        <source>VisitingReasontnaiesDc</source>
        <translation>Visit reason</translation>
    </message>
</context>
<context>
    <name>visitorclient::BasicSettingWidget</name>
    <message>
        <source>VisitorReservationItqQAkwCmg</source>
        <translation>Appointment fields</translation>
    </message>
    <message>
        <source>VisitingReasontnaiesDc</source>
        <translation>Visit reasons</translation>
    </message>
    <message>
        <source>AllowedBookingTimereQVtvvWDo</source>
        <translation>Visits may be booked up to</translation>
    </message>
    <message>
        <source>DayAMOMDPCI</source>
        <translation>day(s) ahead</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>DefaultValue</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <source>VisitReasonsNotStoredW8vRmd</source>
        <translation>The server did not keep the visit reasons. The default reasons are used until a save succeeds.</translation>
    </message>
    <message>
        <source>RestoreDefaultSettingsQuestionT6sLw</source>
        <translation>Restore the default fields, booking time and visit reasons? Your own visit reasons will be replaced.</translation>
    </message>
    <message>
        <source>SaveVisitorParametersLogN4xPq</source>
        <translation>Saved the visitor parameters</translation>
    </message>
    <message>
        <source>RestoreVisitorParametersLogH2mKe</source>
        <translation>Restored the default visitor parameters</translation>
    </message>
</context>
</TS>
