<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>visitorclient::BatchResultDialog</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
