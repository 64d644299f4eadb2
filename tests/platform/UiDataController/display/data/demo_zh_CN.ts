<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Demo</name>
    <message>
        <source>GreetingKey</source>
        <translation>你好</translation>
    </message>
</context>
</TS>
