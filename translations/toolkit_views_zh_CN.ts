<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QorvaGUIToolkit::CAbstractItemView</name>
    <message>
        <source>No data</source>
        <translation>暂无数据</translation>
    </message>
</context>
<context>
    <name>QorvaGUIToolkit::CMultiPageServerTableView</name>
    <message>
        <source>%1/page</source>
        <translation>%1条/页</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>共 %1 条</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>首页</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>末页</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>跳至</translation>
    </message>
</context>
<context>
    <name>QorvaGUIToolkit::CPathComboBox</name>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
</context>
<context>
    <name>QorvaGUIToolkit::CRangeDateTimeEdit</name>
    <message>
        <source>Start time - End time</source>
        <translation>开始时间 - 结束时间</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>结束时间</translation>
    </message>
</context>
<context>
    <name>QorvaGUIToolkit::CSearchLineEdit</name>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
</context>
<context>
    <name>QorvaGUIToolkit::CValidateLineEditEx</name>
    <message>
        <source>Invalid character or text too long</source>
        <translation>包含非法字符或超出长度</translation>
    </message>
</context>
</TS>
