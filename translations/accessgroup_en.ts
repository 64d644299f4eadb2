<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>visitorclient::AccessPointGroupModel</name>
    <message>
        <source>DefaultGroup</source>
        <translation>Default group</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Doors</source>
        <translation>Doors</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
</context>
<context>
    <name>visitorclient::AccessPointGroupWidget</name>
    <message>
        <source>AccessRightsGroupIHwNecpAbY</source>
        <translation>Access-point group</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>AddAtMostSAPJXnPAIR</source>
        <translation>At most %1 groups can be added.</translation>
    </message>
    <message>
        <source>AreYouSureToRemoveAcsDPcrZCY</source>
        <translation>Are you sure you want to delete the selected access-point groups?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>DeletingFailed</source>
        <translation>Deleting failed.</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed: </translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>SaveFailed</source>
        <translation>failed.</translation>
    </message>
    <message>
        <source>Succeeded</source>
        <translation>Succeeded</translation>
    </message>
    <message>
        <source>SynchronizationInformjvAIxIx</source>
        <translation>Synchronise</translation>
    </message>
    <message>
        <source>SynchronousSuccess</source>
        <translation>Synchronised successfully.</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>are in use and were not deleted.</translation>
    </message>
</context>
<context>
    <name>visitorclient::AddPointGroupWidget</name>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>DefaultGroup</source>
        <translation>Default group</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>NameAlreadyExists</source>
        <translation>The name already exists.</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>PleaseSelectAtLeastOneAccessControlPoint</source>
        <translation>Please select at least one access-control point.</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.QRCode2.name</source>
        <translation>QR code version 2</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.enableIDcardNo.name</source>
        <translation>Download the identity-card number</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>SelectDoor</source>
        <translation>Select doors</translation>
    </message>
    <message>
        <source>SelectedItems</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>TheNameIsRequired</source>
        <translation>The name is required.</translation>
    </message>
    <message>
        <source>UndoMerge</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>visitorclient::CAccessGroupDoorInfoModel</name>
    <message>
        <source>AccessControlPoint</source>
        <translation>Access-control point</translation>
    </message>
    <message>
        <source>GroupName</source>
        <translation>Area</translation>
    </message>
</context>
<context>
    <name>visitorclient::DoorsDetailWidget</name>
    <message>
        <source>AccessControlPoint</source>
        <translation>Access-control points</translation>
    </message>
</context>
</TS>
