<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>visitorclient::ImportWidget</name>
    <message>
        <source>ImportFile</source>
        <translation>Import file</translation>
    </message>
    <message>
        <source>DownloadTheTemplate</source>
        <translation>Download template</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>UndoMerge</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>FilePathCannotBeEmpty</source>
        <translation>Choose a file to import.</translation>
    </message>
    <message>
        <source>TheSavingPathNameIsTooLongPleaseReselectIt</source>
        <translation>The file path is too long. Please choose another file.</translation>
    </message>
    <message>
        <source>Importing</source>
        <translation>Importing...</translation>
    </message>
    <message>
        <source>TheFileIsNotAnAppointmentTemplate</source>
        <translation>The file is not an appointment template.</translation>
    </message>
    <message>
        <source>ReachTheMaximumNumbekBUdAPdZ</source>
        <translation>The number of appointments has reached its limit of 10000; the remaining rows were not imported.</translation>
    </message>
    <message>
        <source>TheFileHoldsNoAppointments</source>
        <translation>The file holds no appointments to import.</translation>
    </message>
    <message>
        <source>TheImportingResultDetailsAreDisplayedAsFollows</source>
        <translation>The rows below were not imported:</translation>
    </message>
    <message>
        <source>NoteTheRowNumberRefersToTheRowNumberInTheImportedFile</source>
        <translation>Note: the row number is the row number in the imported file.</translation>
    </message>
    <message>
        <source>NoEnoughHDDSpace</source>
        <translation>Not enough disk space.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>VisitorBookingTemplarvbOpiVc</source>
        <translation>Visitor appointment template</translation>
    </message>
    <message>
        <source>ExportFile</source>
        <translation>Workbook</translation>
    </message>
    <message>
        <source>OpeningFileFailed</source>
        <translation>The file could not be opened.</translation>
    </message>
    <message>
        <source>DownloadedSuccessed</source>
        <translation>Template downloaded.</translation>
    </message>
    <message>
        <source>ThereIsASpecialSymbolismXzyyS</source>
        <translation>Contains a special character ( ' / \ : * ? " &lt; &gt; | ).</translation>
    </message>
    <message>
        <source>InvalidGenderType</source>
        <translation>Invalid gender. </translation>
    </message>
    <message>
        <source>TheValueOfGenderCorrIIbfFLCG</source>
        <translation>Enter 1 for male or 2 for female.</translation>
    </message>
    <message>
        <source>TimeFormatError</source>
        <translation>Invalid date, or the departure is before the visit.</translation>
    </message>
    <message>
        <source>TheReceptionistDoesNLFiajccE</source>
        <translation>The receptionist does not exist in this organisation.</translation>
    </message>
    <message>
        <source>CannotBeEmpty</source>
        <translation>Cannot be empty.</translation>
    </message>
    <message>
        <source>LengthOutOfLimitgAUBCsNXMw</source>
        <translation>Too long.</translation>
    </message>
    <message>
        <source>TheLengthOfTheCertifTbFPKHPE</source>
        <translation>An ID card number has 18 characters.</translation>
    </message>
    <message>
        <source>InvalidFormatKVIDANEx</source>
        <translation>Invalid format.</translation>
    </message>
    <message>
        <source>TheRules</source>
        <translation>Rules for filling in</translation>
    </message>
    <message>
        <source>TheItemsWithAsteriskAreRequired</source>
        <translation>Columns marked with * are required</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Gender</translation>
    </message>
    <message>
        <source>DateFormat</source>
        <translation>Date format</translation>
    </message>
    <message>
        <source>DocumentType</source>
        <translation>ID type</translation>
    </message>
    <message>
        <source>TheReasonForTheVisitHuVqTAjb</source>
        <translation>The visit reason must be one of the reasons set in the system</translation>
    </message>
    <message>
        <source>TheReceptionistAndOrdTQCJtgZ</source>
        <translation>The receptionist and the organisation must match those in the system</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>PrimarySectorKGZPIjScif</source>
        <translation>Top-level department</translation>
    </message>
    <message>
        <source>TheSecondarySectorrLTEEfshsc</source>
        <translation>Second-level department</translation>
    </message>
    <message>
        <source>CellsFilledWithMoreTtLiyJQGH</source>
        <translation>A cell must not begin with the character </translation>
    </message>
    <message>
        <source>TheName</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>MobilePhoneNumber</source>
        <translation>Mobile phone</translation>
    </message>
    <message>
        <source>EstimatedTimeOfVisitTDpmssKL</source>
        <translation>Expected visit date</translation>
    </message>
    <message>
        <source>EstimatedTimeOfDeparNPEjYRqn</source>
        <translation>Expected departure date</translation>
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
        <source>IdNo1Y8JOA4K</source>
        <translation>ID number</translation>
    </message>
    <message>
        <source>LicensePlaBBlHEgez</source>
        <translation>Plate number</translation>
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
    <name>visitorclient::InformationModel</name>
    <message>
        <source>Index</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>ErrorDescription</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>visitorclient::AppointmentWidget</name>
    <message>
        <source>ImportFailed</source>
        <translation>Import failed</translation>
    </message>
</context>
</TS>
