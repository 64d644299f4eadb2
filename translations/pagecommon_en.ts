<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CDisplayTexts</name>
    <message>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>UnKnown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>IDCard</source>
        <translation>ID card</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.HKMacaoTW.name</source>
        <translation>Travel permit (HK/Macao/Taiwan)</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.PermanentResidentCard.name</source>
        <translation>Foreigner permanent resident ID card</translation>
    </message>
    <message>
        <source>Passport</source>
        <translation>Passport</translation>
    </message>
    <message>
        <source>TemporaryCard</source>
        <translation>Temporary ID card</translation>
    </message>
    <message>
        <source>DrivingLicense</source>
        <translation>Driving licence</translation>
    </message>
    <message>
        <source>PermanentResidentCard</source>
        <translation>Permanent residence card</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.BusinessCard.name</source>
        <translation>Business card</translation>
    </message>
    <message>
        <source>OtherCard</source>
        <translation>Other document</translation>
    </message>
    <message>
        <source>TrainingyjjemBra</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>TheMeetingIJEiGEyh</source>
        <translation>Meeting</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.Business.name</source>
        <translation>Business</translation>
    </message>
    <message>
        <source>VisitJkqgbiHF</source>
        <translation>Visit</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>TheVisitorCardToSRCRph</source>
        <translation>Visitor card</translation>
    </message>
    <message>
        <source>QRCode</source>
        <translation>QR code</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>NotApplied</source>
        <translation>Not applied</translation>
    </message>
    <message>
        <source>Succeeded</source>
        <translation>Succeeded</translation>
    </message>
    <message>
        <source>PartialSucceeded</source>
        <translation>Partly succeeded</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>QqjiCWV</source>
        <translation>Card</translation>
    </message>
</context>
<context>
    <name>CErrorInfoMgr</name>
    <message>
        <source>The server does not know this request.</source>
        <translation>The server does not know this request.</translation>
    </message>
    <message>
        <source>The request method is not allowed for this address.</source>
        <translation>The request method is not allowed for this address.</translation>
    </message>
    <message>
        <source>The request body is not valid JSON.</source>
        <translation>The request body is not valid JSON.</translation>
    </message>
    <message>
        <source>The request body does not hold the expected record.</source>
        <translation>The request body does not hold the expected record.</translation>
    </message>
    <message>
        <source>A parameter is missing or invalid.</source>
        <translation>A parameter is missing or invalid.</translation>
    </message>
    <message>
        <source>The page number or page size is out of range.</source>
        <translation>The page number or page size is out of range.</translation>
    </message>
    <message>
        <source>A text is too long.</source>
        <translation>A text is too long.</translation>
    </message>
    <message>
        <source>The object does not exist.</source>
        <translation>The object does not exist.</translation>
    </message>
    <message>
        <source>The name is already in use.</source>
        <translation>The name is already in use.</translation>
    </message>
    <message>
        <source>The number of appointments has reached its limit of 10000.</source>
        <translation>The number of appointments has reached its limit of 10000.</translation>
    </message>
    <message>
        <source>The access-point group is used by an appointment.</source>
        <translation>The access-point group is used by an appointment.</translation>
    </message>
    <message>
        <source>Another access-point group is already the default group.</source>
        <translation>Another access-point group is already the default group.</translation>
    </message>
    <message>
        <source>The device is offline.</source>
        <translation>The device is offline.</translation>
    </message>
    <message>
        <source>The device rejected the request.</source>
        <translation>The device rejected the request.</translation>
    </message>
    <message>
        <source>The encryption type is not supported.</source>
        <translation>The encryption type is not supported.</translation>
    </message>
    <message>
        <source>The operator has no permission for this operation.</source>
        <translation>The operator has no permission for this operation.</translation>
    </message>
    <message>
        <source>The server could not store the data.</source>
        <translation>The server could not store the data.</translation>
    </message>
    <message>
        <source>The server failed to handle the request.</source>
        <translation>The server failed to handle the request.</translation>
    </message>
    <message>
        <source>The backend communication is not initialised.</source>
        <translation>The backend communication is not initialised.</translation>
    </message>
    <message>
        <source>The identifier is not a 32-digit GUID or a decimal number.</source>
        <translation>The identifier is not a 32-digit GUID or a decimal number.</translation>
    </message>
    <message>
        <source>The request could not be built.</source>
        <translation>The request could not be built.</translation>
    </message>
    <message>
        <source>The server's answer is not JSON.</source>
        <translation>The server's answer is not JSON.</translation>
    </message>
    <message>
        <source>The server's answer does not hold the expected data.</source>
        <translation>The server's answer does not hold the expected data.</translation>
    </message>
    <message>
        <source>The backend call failed unexpectedly.</source>
        <translation>The backend call failed unexpectedly.</translation>
    </message>
    <message>
        <source>The link to the client framework is not set up.</source>
        <translation>The link to the client framework is not set up.</translation>
    </message>
    <message>
        <source>The request to the client framework is not valid.</source>
        <translation>The request to the client framework is not valid.</translation>
    </message>
    <message>
        <source>Already connected to the client framework.</source>
        <translation>Already connected to the client framework.</translation>
    </message>
    <message>
        <source>The address of the client framework is too long.</source>
        <translation>The address of the client framework is too long.</translation>
    </message>
    <message>
        <source>The client framework is not running.</source>
        <translation>The client framework is not running.</translation>
    </message>
    <message>
        <source>The client framework refused the connection.</source>
        <translation>The client framework refused the connection.</translation>
    </message>
    <message>
        <source>The request could not be sent to the client framework.</source>
        <translation>The request could not be sent to the client framework.</translation>
    </message>
    <message>
        <source>The request was made on a thread that cannot wait for its answer.</source>
        <translation>The request was made on a thread that cannot wait for its answer.</translation>
    </message>
    <message>
        <source>The client framework failed to handle the request.</source>
        <translation>The client framework failed to handle the request.</translation>
    </message>
</context>
</TS>
