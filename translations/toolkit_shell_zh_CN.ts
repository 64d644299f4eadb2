<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CErrorInfoMgr</name>
    <message>
        <source>Not connected to the client framework.</source>
        <translation>未连接到客户端框架。</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>请求超时。</translation>
    </message>
    <message>
        <source>The connection to the client framework was lost.</source>
        <translation>与客户端框架的连接已断开。</translation>
    </message>
    <message>
        <source>The message is too large to be sent.</source>
        <translation>消息过大，无法发送。</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>服务器繁忙，请稍后重试。</translation>
    </message>
    <message>
        <source>The data is not valid JSON.</source>
        <translation>数据不是有效的 JSON。</translation>
    </message>
    <message>
        <source>A required item is missing from the data.</source>
        <translation>数据缺少必填项。</translation>
    </message>
    <message>
        <source>An item of the data has the wrong type.</source>
        <translation>数据项类型错误。</translation>
    </message>
    <message>
        <source>A value of the data is out of range.</source>
        <translation>数据值超出范围。</translation>
    </message>
    <message>
        <source>A text of the data is too long.</source>
        <translation>数据文本过长。</translation>
    </message>
    <message>
        <source>The data names an unknown record type.</source>
        <translation>数据包含未知的记录类型。</translation>
    </message>
    <message>
        <source>The answer of the server could not be read.</source>
        <translation>无法解析服务器的应答。</translation>
    </message>
    <message>
        <source>Succeeded.</source>
        <translation>成功。</translation>
    </message>
    <message>
        <source>Unknown error (module %1, code %2).</source>
        <translation>未知错误（模块 %1，错误码 %2）。</translation>
    </message>
</context>
<context>
    <name>CWarningDlg</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
