<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CDisplayTexts</name>
    <message>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>女</translation>
    </message>
    <message>
        <source>UnKnown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>IDCard</source>
        <translation>身份证</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.HKMacaoTW.name</source>
        <translation>港澳台通行证</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.PermanentResidentCard.name</source>
        <translation>外国人永久居留身份证</translation>
    </message>
    <message>
        <source>Passport</source>
        <translation>护照</translation>
    </message>
    <message>
        <source>TemporaryCard</source>
        <translation>临时身份证</translation>
    </message>
    <message>
        <source>DrivingLicense</source>
        <translation>驾驶证</translation>
    </message>
    <message>
        <source>PermanentResidentCard</source>
        <translation>永久居留证</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.BusinessCard.name</source>
        <translation>名片</translation>
    </message>
    <message>
        <source>OtherCard</source>
        <translation>其他证件</translation>
    </message>
    <message>
        <source>TrainingyjjemBra</source>
        <translation>培训</translation>
    </message>
    <message>
        <source>TheMeetingIJEiGEyh</source>
        <translation>会议</translation>
    </message>
    <message>
        <source>Qorva-7310_Client.Business.name</source>
        <translation>商务</translation>
    </message>
    <message>
        <source>VisitJkqgbiHF</source>
        <translation>拜访</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>TheVisitorCardToSRCRph</source>
        <translation>访客卡</translation>
    </message>
    <message>
        <source>QRCode</source>
        <translation>二维码</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>人脸</translation>
    </message>
    <message>
        <source>NotApplied</source>
        <translation>未下发</translation>
    </message>
    <message>
        <source>Succeeded</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>PartialSucceeded</source>
        <translation>部分成功</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>人员</translation>
    </message>
    <message>
        <source>QqjiCWV</source>
        <translation>卡片</translation>
    </message>
</context>
<context>
    <name>CErrorInfoMgr</name>
    <message>
        <source>The server does not know this request.</source>
        <translation>服务器无法识别此请求。</translation>
    </message>
    <message>
        <source>The request method is not allowed for this address.</source>
        <translation>此地址不允许该请求方法。</translation>
    </message>
    <message>
        <source>The request body is not valid JSON.</source>
        <translation>请求内容不是有效的 JSON。</translation>
    </message>
    <message>
        <source>The request body does not hold the expected record.</source>
        <translation>请求内容缺少所需的记录。</translation>
    </message>
    <message>
        <source>A parameter is missing or invalid.</source>
        <translation>参数缺失或无效。</translation>
    </message>
    <message>
        <source>The page number or page size is out of range.</source>
        <translation>页码或每页条数超出范围。</translation>
    </message>
    <message>
        <source>A text is too long.</source>
        <translation>文本过长。</translation>
    </message>
    <message>
        <source>The object does not exist.</source>
        <translation>对象不存在。</translation>
    </message>
    <message>
        <source>The name is already in use.</source>
        <translation>名称已被使用。</translation>
    </message>
    <message>
        <source>The number of appointments has reached its limit of 10000.</source>
        <translation>预约数量已达到 10000 条上限。</translation>
    </message>
    <message>
        <source>The access-point group is used by an appointment.</source>
        <translation>该访客权限组正被预约使用。</translation>
    </message>
    <message>
        <source>Another access-point group is already the default group.</source>
        <translation>已有其他访客权限组被设为默认组。</translation>
    </message>
    <message>
        <source>The device is offline.</source>
        <translation>设备离线。</translation>
    </message>
    <message>
        <source>The device rejected the request.</source>
        <translation>设备拒绝了该请求。</translation>
    </message>
    <message>
        <source>The encryption type is not supported.</source>
        <translation>不支持该加密类型。</translation>
    </message>
    <message>
        <source>The operator has no permission for this operation.</source>
        <translation>操作员没有此操作的权限。</translation>
    </message>
    <message>
        <source>The server could not store the data.</source>
        <translation>服务器无法保存数据。</translation>
    </message>
    <message>
        <source>The server failed to handle the request.</source>
        <translation>服务器处理请求失败。</translation>
    </message>
    <message>
        <source>The backend communication is not initialised.</source>
        <translation>后台通信未初始化。</translation>
    </message>
    <message>
        <source>The identifier is not a 32-digit GUID or a decimal number.</source>
        <translation>标识不是 32 位 GUID 或十进制数字。</translation>
    </message>
    <message>
        <source>The request could not be built.</source>
        <translation>无法生成请求。</translation>
    </message>
    <message>
        <source>The server's answer is not JSON.</source>
        <translation>服务器的应答不是 JSON。</translation>
    </message>
    <message>
        <source>The server's answer does not hold the expected data.</source>
        <translation>服务器的应答缺少所需数据。</translation>
    </message>
    <message>
        <source>The backend call failed unexpectedly.</source>
        <translation>后台调用意外失败。</translation>
    </message>
    <message>
        <source>The link to the client framework is not set up.</source>
        <translation>与客户端框架的连接尚未建立。</translation>
    </message>
    <message>
        <source>The request to the client framework is not valid.</source>
        <translation>发往客户端框架的请求无效。</translation>
    </message>
    <message>
        <source>Already connected to the client framework.</source>
        <translation>已连接到客户端框架。</translation>
    </message>
    <message>
        <source>The address of the client framework is too long.</source>
        <translation>客户端框架的地址过长。</translation>
    </message>
    <message>
        <source>The client framework is not running.</source>
        <translation>客户端框架未运行。</translation>
    </message>
    <message>
        <source>The client framework refused the connection.</source>
        <translation>客户端框架拒绝了连接。</translation>
    </message>
    <message>
        <source>The request could not be sent to the client framework.</source>
        <translation>无法将请求发送到客户端框架。</translation>
    </message>
    <message>
        <source>The request was made on a thread that cannot wait for its answer.</source>
        <translation>发出请求的线程无法等待其应答。</translation>
    </message>
    <message>
        <source>The client framework failed to handle the request.</source>
        <translation>客户端框架处理请求失败。</translation>
    </message>
</context>
</TS>
