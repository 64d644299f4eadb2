<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Maintain</name>
    <message>
        <source>MaintainTitle</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <source>MaintainTextLabel</source>
        <translation>Template text</translation>
    </message>
    <message>
        <source>MaintainLoad</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>MaintainDatabaseUnavailable</source>
        <translation>The template database is unavailable: the framework's encrypted configuration could not be read, or the database check failed. The details are in the log.</translation>
    </message>
    <message>
        <source>MaintainSaveFailed</source>
        <translation>The text could not be saved. The details are in the log.</translation>
    </message>
    <message>
        <source>MaintainLoadFailed</source>
        <translation>The saved text could not be loaded. The details are in the log.</translation>
    </message>
    <message>
        <source>MaintainSaved</source>
        <translation>Saved.</translation>
    </message>
    <message>
        <source>MaintainDatabaseFailed</source>
        <translation>The template database does not answer. The details are in the log.</translation>
    </message>
</context>
<context>
    <name>ToolMenu</name>
    <message>
        <source>ToolMenuTitle</source>
        <translation>Tool menu</translation>
    </message>
    <message>
        <source>ToolMenuLoading</source>
        <translation>Loading the resource groups…</translation>
    </message>
    <message>
        <source>ToolMenuEmpty</source>
        <translation>There are no resource groups.</translation>
    </message>
    <message>
        <source>ToolMenuFailed</source>
        <translation>The resource groups could not be loaded. The details are in the log.</translation>
    </message>
    <message>
        <source>ToolMenuStale</source>
        <translation>The resource groups could not be reloaded; the tree shows what was loaded before.</translation>
    </message>
</context>
</TS>
