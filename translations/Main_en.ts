<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>DynamicLabel</name>
    <message>
        <source>MyLabl</source>
        <translation>My label</translation>
    </message>
</context>
<context>
    <name>FolderButton</name>
    <message>
        <source>新建文件夹</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>打开文件夹所在位置</source>
        <translation>Show in File Manager</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>Ondavi</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>VELK Thermal Camera</source>
        <translation>VELK Thermal Camera</translation>
    </message>
    <message>
        <source>Camera Connection</source>
        <translation>Camera Connection</translation>
    </message>
    <message>
        <source>设备正在连接中，在此期间请勿拔掉设备!</source>
        <translation>The camera is connecting. Do not unplug it until the connection is complete!</translation>
    </message>
    <message>
        <source>连接错误</source>
        <translation>Connection error</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>温度单位</source>
        <translation>Temperature unit</translation>
    </message>
    <message>
        <source>距离单位</source>
        <translation>Distance unit</translation>
    </message>
    <message>
        <source>软件手册</source>
        <translation>Software manual</translation>
    </message>
    <message>
        <source>语言(Language)</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>PDF模板</source>
        <translation>PDF template</translation>
    </message>
    <message>
        <source>默认相册路径</source>
        <translation>Default album folder</translation>
    </message>
    <message>
        <source>默认PDF/Excel路径</source>
        <translation>Default PDF/Excel folder</translation>
    </message>
    <message>
        <source>单位:</source>
        <translation>Unit:</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>语言:(重启软件生效!)</source>
        <translation>Language (takes effect after restarting the software):</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>Select folder</translation>
    </message>
</context>
<context>
    <name>tTabwidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>浏览档案</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>实时投屏</source>
        <translation>Live View</translation>
    </message>
    <message>
        <source>照片/影片分析</source>
        <translation>Photo/Video Analysis</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
</context>
</TS>
