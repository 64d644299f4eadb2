<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>visitorclient::QRCodeCfgWidget</name>
    <message>
        <source>Qorva-7310_Client.QRCodeCfg.name</source>
        <translation>QR Code Encryption</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.encryptionKey.name</source>
        <translation>Encryption key</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.encryptionVey.name</source>
        <translation>Initialisation vector</translation>
    </message>
    <message>
        <source>SelectDevice</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>KeyPlaceholder</source>
        <translation>32 characters</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>UndoMerge</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.f5ec5cb47c234fca8f05329d43c8413c.msg</source>
        <translation>Enter the encryption key.</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.KeyLen.msg</source>
        <translation>The key must be exactly 32 characters long.</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.VeyEmpty.msg</source>
        <translation>Enter the initialisation vector.</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.VeyLen.msg</source>
        <translation>The vector must be exactly 32 characters long.</translation>
    </message>
    <message>
        <source>SelectDeviceFirst</source>
        <translation>Tick at least one device first.</translation>
    </message>
    <message>
        <source>IsExporting</source>
        <translation>Writing the configuration to the devices...</translation>
    </message>
    <message>
        <source>SaveConfigurationSuccessfully</source>
        <translation>The configuration was saved on the devices.</translation>
    </message>
    <message>
        <source>SaveFailed</source>
        <translation>Save failed: </translation>
    </message>
</context>
</TS>
