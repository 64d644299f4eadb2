<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CErrorInfoMgr</name>
    <message>
        <source>Not connected to the client framework.</source>
        <translation>Not connected to the client framework.</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>The request timed out.</translation>
    </message>
    <message>
        <source>The connection to the client framework was lost.</source>
        <translation>The connection to the client framework was lost.</translation>
    </message>
    <message>
        <source>The message is too large to be sent.</source>
        <translation>The message is too large to be sent.</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>The server is busy. Please try again later.</translation>
    </message>
    <message>
        <source>The data is not valid JSON.</source>
        <translation>The data is not valid JSON.</translation>
    </message>
    <message>
        <source>A required item is missing from the data.</source>
        <translation>A required item is missing from the data.</translation>
    </message>
    <message>
        <source>An item of the data has the wrong type.</source>
        <translation>An item of the data has the wrong type.</translation>
    </message>
    <message>
        <source>A value of the data is out of range.</source>
        <translation>A value of the data is out of range.</translation>
    </message>
    <message>
        <source>A text of the data is too long.</source>
        <translation>A text of the data is too long.</translation>
    </message>
    <message>
        <source>The data names an unknown record type.</source>
        <translation>The data names an unknown record type.</translation>
    </message>
    <message>
        <source>The answer of the server could not be read.</source>
        <translation>The answer of the server could not be read.</translation>
    </message>
    <message>
        <source>Succeeded.</source>
        <translation>Succeeded.</translation>
    </message>
    <message>
        <source>Unknown error (module %1, code %2).</source>
        <translation>Unknown error (module %1, code %2).</translation>
    </message>
</context>
<context>
    <name>CWarningDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
