<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Maintain</name>
    <message>
        <source>MaintainTitle</source>
        <translation>维护</translation>
    </message>
    <message>
        <source>MaintainTextLabel</source>
        <translation>模板文本</translation>
    </message>
    <message>
        <source>MaintainLoad</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>MaintainDatabaseUnavailable</source>
        <translation>模板数据库不可用：无法读取框架的加密配置，或数据库检查失败。详细信息请查看日志。</translation>
    </message>
    <message>
        <source>MaintainSaveFailed</source>
        <translation>文本保存失败。详细信息请查看日志。</translation>
    </message>
    <message>
        <source>MaintainLoadFailed</source>
        <translation>已保存的文本加载失败。详细信息请查看日志。</translation>
    </message>
</context>
</TS>
