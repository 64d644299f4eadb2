<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>visitorclient::BlackListModel</name>
    <message>
        <source>TheName</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Gender</translation>
    </message>
    <message>
        <source>AuthenticationType</source>
        <translation>Document type</translation>
    </message>
    <message>
        <source>IDNo</source>
        <translation>Document number</translation>
    </message>
    <message>
        <source>AddDateTime</source>
        <translation>Added on</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operation</translation>
    </message>
</context>
<context>
    <name>visitorclient::AddBlackWidget</name>
    <message>
        <source>PersonName</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Gender</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>DocumentType</source>
        <translation>Document type</translation>
    </message>
    <message>
        <source>IDCard</source>
        <translation>ID card</translation>
    </message>
    <message>
        <source>IDNo</source>
        <translation>Document number</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>UndoMerge</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>CannotBeEmpty</source>
        <translation>This field cannot be empty.</translation>
    </message>
</context>
<context>
    <name>visitorclient::BlackListWidget</name>
    <message>
        <source>Add</source>
        <translation>Add</translation>
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
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>DeleteAttendancePoint</source>
        <translation>Delete the ticked entries from the blacklist?</translation>
    </message>
</context>
</TS>
