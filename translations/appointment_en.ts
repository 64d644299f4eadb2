<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>visitorclient::AccessControlWidget</name>
    <message>
        <source>AccessRightsGroupIHwNecpAbY</source>
        <translation>Access-point groups</translation>
    </message>
</context>
<context>
    <name>visitorclient::AccompanyingPersonnelWidget</name>
    <message>
        <source>TheNumberOfDGXHXSVX</source>
        <translation>Number of persons</translation>
    </message>
</context>
<context>
    <name>visitorclient::AddAppointmentInfoWidget</name>
    <message>
        <source>AccessControl</source>
        <translation>Access control</translation>
    </message>
    <message>
        <source>AddAndNew</source>
        <translation>Save and add another</translation>
    </message>
    <message>
        <source>BasicInformation</source>
        <translation>Basic information</translation>
    </message>
    <message>
        <source>EntourageIfcofipn</source>
        <translation>Accompanying persons</translation>
    </message>
    <message>
        <source>ExtendedAttributesdfakEsJd</source>
        <translation>Extended attributes</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>visitorclient::AdditionalInfoWidget</name>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>ArticlesCarriedByEJpEumGr</source>
        <translation>Belongings</translation>
    </message>
    <message>
        <source>CannotBeEmpty</source>
        <translation>This field cannot be empty.</translation>
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
        <source>InsufficientDataLength</source>
        <translation>An identity card number has 18 characters.</translation>
    </message>
    <message>
        <source>LicensePlaBBlHEgez</source>
        <translation>Licence plate</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.MaxLength%1bit.msg</source>
        <translation>At most %1 bytes.</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>TheCompany</source>
        <translation>Company</translation>
    </message>
</context>
<context>
    <name>visitorclient::AppointmentModel</name>
    <message>
        <source>EstimatedTimeOfDeparNPEjYRqn</source>
        <translation>Expected departure</translation>
    </message>
    <message>
        <source>EstimatedTimeOfVisitTDpmssKL</source>
        <translation>Expected arrival</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Gender</translation>
    </message>
    <message>
        <source>MobilePhoneNumber</source>
        <translation>Mobile phone</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organization</translation>
    </message>
    <message>
        <source>ReservationCodegaDDkHCJ</source>
        <translation>Reservation code</translation>
    </message>
    <message>
        <source>TheName</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>TheReceptionistfXJPXQpw</source>
        <translation>Receptionist</translation>
    </message>
    <message>
        <source>VisitingReasontnaiesDc</source>
        <translation>Visit reason</translation>
    </message>
</context>
<context>
    <name>visitorclient::AppointmentWidget</name>
    <message>
        <source>%1PersonsImportSuccessed</source>
        <translation>%1 appointments imported</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>ConfirmToDelete</source>
        <translation>Delete the selected appointments?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Importing</source>
        <translation>Importing...</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>PersonNames</source>
        <translation>Visitor</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Processing...</translation>
    </message>
    <message>
        <source>ReachTheMaximumNumbekBUdAPdZ</source>
        <translation>The number of appointments has reached its limit of 10000.</translation>
    </message>
</context>
<context>
    <name>visitorclient::BasicInfoWidget</name>
    <message>
        <source>CannotBeEmpty</source>
        <translation>This field cannot be empty.</translation>
    </message>
    <message>
        <source>EstimatedTimeOfDeparNPEjYRqn</source>
        <translation>Expected departure</translation>
    </message>
    <message>
        <source>EstimatedTimeOfVisitTDpmssKL</source>
        <translation>Expected arrival</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Gender</translation>
    </message>
    <message>
        <source>LeaveNoEarlierThanThKTbkwBiG</source>
        <translation>The departure must not be earlier than the arrival.</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>MobilePhoneNumber</source>
        <translation>Mobile phone</translation>
    </message>
    <message>
        <source>MoreThanTheTimeAllowkMFWnemh</source>
        <translation>The arrival is later than bookings allow.</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organization</translation>
    </message>
    <message>
        <source>PersonName</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>TheReceptionistfXJPXQpw</source>
        <translation>Receptionist</translation>
    </message>
    <message>
        <source>VisitingReasontnaiesDc</source>
        <translation>Visit reason</translation>
    </message>
</context>
<context>
    <name>visitorclient::FormSection</name>
    <message>
        <source>CannotBeEmpty</source>
        <translation>This field cannot be empty.</translation>
    </message>
</context>
</TS>
