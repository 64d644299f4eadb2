<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BaseWidget</name>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>UndoMerge</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CPermissionManager</name>
    <message>
        <source>NoPermission</source>
        <translation>You do not have permission for this operation.</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Prompt</translation>
    </message>
</context>
<context>
    <name>visitorclient::COverlayFrame</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>visitorclient::MainWindow</name>
    <message>
        <source>Visitors</source>
        <translation>Visitors</translation>
    </message>
    <message>
        <source>VisitorsToMakeAnAppoSvkGZlt</source>
        <translation>Appointments</translation>
    </message>
    <message>
        <source>VisitorsToRecordSSYbjbR</source>
        <translation>Visitor Records</translation>
    </message>
    <message>
        <source>AccessRightsGroupIHwNecpAbY</source>
        <translation>Access Point Groups</translation>
    </message>
    <message>
        <source>AdvancedConfig</source>
        <translation>Advanced Settings</translation>
    </message>
    <message>
        <source>VisitorParameterSettpkjDjYWF</source>
        <translation>Visitor Parameters</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.QRCodeCfg.name</source>
        <translation>QR Code Encryption</translation>
    </message>
</context>
<context>
    <name>visitorclient::Widget</name>
    <message>
        <source>Saved</source>
        <translation>Saved.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>SaveFailed</source>
        <translation>Save failed: </translation>
    </message>
</context>
</TS>
