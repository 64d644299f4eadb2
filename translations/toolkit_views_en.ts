<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>QorvaGUIToolkit::CAbstractItemView</name>
    <message>
        <source>No data</source>
        <translation>No data</translation>
    </message>
</context>
<context>
    <name>QorvaGUIToolkit::CMultiPageServerTableView</name>
    <message>
        <source>%1/page</source>
        <translation>%1/page</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>First page</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Last page</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Go to</translation>
    </message>
</context>
<context>
    <name>QorvaGUIToolkit::CPathComboBox</name>
    <message>
        <source>Browse</source>
        <translation>Browse</translation>
    </message>
</context>
<context>
    <name>QorvaGUIToolkit::CRangeDateTimeEdit</name>
    <message>
        <source>Start time - End time</source>
        <translation>Start time - End time</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>End time</translation>
    </message>
</context>
<context>
    <name>QorvaGUIToolkit::CSearchLineEdit</name>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
</context>
<context>
    <name>QorvaGUIToolkit::CValidateLineEditEx</name>
    <message>
        <source>Invalid character or text too long</source>
        <translation>Invalid character or text too long</translation>
    </message>
</context>
</TS>
