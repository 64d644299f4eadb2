<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>visitorclient::VisitorRecordWidget</name>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>RegisteredGpJhvArk</source>
        <translation>Checked in</translation>
    </message>
    <message>
        <source>UnregisterediOtUwbPg</source>
        <translation>Not checked in</translation>
    </message>
    <message>
        <source>HaveBeenSignedOffBooGHdYc</source>
        <translation>Signed off</translation>
    </message>
    <message>
        <source>OverdueAutomaticChecWdjxqvSI</source>
        <translation>Overdue, signed off automatically</translation>
    </message>
    <message>
        <source>OverdueNotRegisteredRtLLszTF</source>
        <translation>Overdue, not checked in</translation>
    </message>
    <message>
        <source>TheName</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>ApplyingPermissionSettings</source>
        <translation>Permissions</translation>
    </message>
    <message>
        <source>CredType</source>
        <translation>ID type</translation>
    </message>
    <message>
        <source>TheVisitingTimedHeettrt</source>
        <translation>Visit time</translation>
    </message>
    <message>
        <source>LeaveTime8UO8GP4D</source>
        <translation>Leave time</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operation</translation>
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
        <source>EstimatedTimeOfVisitTDpmssKL</source>
        <translation>Expected visit time</translation>
    </message>
    <message>
        <source>EstimatedTimeOfDeparNPEjYRqn</source>
        <translation>Expected leave time</translation>
    </message>
    <message>
        <source>VisitingReasontnaiesDc</source>
        <translation>Visit reason</translation>
    </message>
    <message>
        <source>TheReceptionistfXJPXQpw</source>
        <translation>Receptionist</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organization</translation>
    </message>
    <message>
        <source>NumberOfEntourageceknhIrC</source>
        <translation>Accompanying persons</translation>
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
    <message>
        <source>SelectedPerson</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>%1 records did not report the result of their permission download.</source>
        <translation>%1 record(s) did not report the result of their permission download in time.</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.QuickRegister.name</source>
        <translation>Quick registration</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.RegisterType.name</source>
        <translation>Registration type</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>BatchIssuingAuthorityfIJcZNwL</source>
        <translation>Failed downloads</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply again</translation>
    </message>
    <message>
        <source>UndoMerge</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>FailedDownloadListTip</source>
        <translation>Records whose permissions did not reach every device</translation>
    </message>
    <message>
        <source>DetailInfo</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>No data</translation>
    </message>
    <message>
        <source>TheStartTimeOfTheVisLJalZCF</source>
        <translation>The visit time must not start after the leave time ends.</translation>
    </message>
    <message>
        <source>IsSearching</source>
        <translation>Searching...</translation>
    </message>
    <message>
        <source>SearchVisitorRecordsERSzYWwl</source>
        <translation>Searched visitor records</translation>
    </message>
    <message>
        <source>IssuedByTheMinistryOfbBpflAeG</source>
        <translation>Downloading permissions...</translation>
    </message>
    <message>
        <source>ExportVisitorRecordsGdKjFmB</source>
        <translation>Export visitor records</translation>
    </message>
    <message>
        <source>ExportFile</source>
        <translation>Spreadsheet</translation>
    </message>
    <message>
        <source>FilePathCannotBeEmpty</source>
        <translation>Choose a file to export to.</translation>
    </message>
    <message>
        <source>IsExporting</source>
        <translation>Exporting...</translation>
    </message>
    <message>
        <source>Exported</source>
        <translation>Exported.</translation>
    </message>
    <message>
        <source>OpeningFileFailed</source>
        <translation>The file could not be written.</translation>
    </message>
</context>
<context>
    <name>visitorclient::RecordDetailWidget</name>
    <message>
        <source>BasicInformation</source>
        <translation>Basic information</translation>
    </message>
    <message>
        <source>AccessControlBpkrjxFa</source>
        <translation>Access control</translation>
    </message>
    <message>
        <source>EntourageIfcofipn</source>
        <translation>Accompanying persons</translation>
    </message>
    <message>
        <source>ExtendedAttributesdfakEsJd</source>
        <translation>Further details</translation>
    </message>
    <message>
        <source>TheName</source>
        <translation>Name</translation>
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
        <source>ReservationCodegaDDkHCJ</source>
        <translation>Reservation code</translation>
    </message>
    <message>
        <source>EstimatedTimeOfVisitTDpmssKL</source>
        <translation>Expected visit</translation>
    </message>
    <message>
        <source>EstimatedTimeOfDeparNPEjYRqn</source>
        <translation>Expected leave</translation>
    </message>
    <message>
        <source>TheVisitingTimedHeettrt</source>
        <translation>Visit time</translation>
    </message>
    <message>
        <source>VisitingReasontnaiesDc</source>
        <translation>Visit reason</translation>
    </message>
    <message>
        <source>TheReceptionistfXJPXQpw</source>
        <translation>Receptionist</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organization</translation>
    </message>
    <message>
        <source>AccessRightsGroupIHwNecpAbY</source>
        <translation>Access groups</translation>
    </message>
    <message>
        <source>AuthorizationTypexnjfHIoj</source>
        <translation>Credentials</translation>
    </message>
    <message>
        <source>Card NO.</source>
        <translation>Card no.</translation>
    </message>
    <message>
        <source>ApplyingPermissionSettings</source>
        <translation>Permission download</translation>
    </message>
    <message>
        <source>FacePictureQuantity</source>
        <translation>Face pictures</translation>
    </message>
    <message>
        <source>NumberOfEntourageceknhIrC</source>
        <translation>Accompanying persons</translation>
    </message>
    <message>
        <source>DocumentType</source>
        <translation>Document type</translation>
    </message>
    <message>
        <source>IDNo</source>
        <translation>Document number</translation>
    </message>
    <message>
        <source>LicensePlaBBlHEgez</source>
        <translation>Licence plate</translation>
    </message>
    <message>
        <source>VisitorsToTheUnitFuJDwyci</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>ArticlesCarriedByEJpEumGr</source>
        <translation>Belongings</translation>
    </message>
    <message>
        <source>VisitorsToTheAddressEUeKPrCO</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>WuvGADlh</source>
        <translation>Error details</translation>
    </message>
</context>
<context>
    <name>visitorclient::ErrorInformationModel</name>
    <message>
        <source>Index</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>DeviceName</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>CredType</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>ErrorDescription</source>
        <translation>Error</translation>
    </message>
</context>
</TS>
