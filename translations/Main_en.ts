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
    <name>ImageAnalysisK52</name>
    <message>
        <source>此照片的红外数据全为零，无法分析。
%1</source>
        <translation>The infrared data of this picture is all zeros and cannot be analysed.
%1</translation>
    </message>
    <message>
        <source>无法读取此文件，或它不是热像仪拍摄的照片。
%1</source>
        <translation>This file cannot be read, or it is not a picture taken by the thermal camera.
%1</translation>
    </message>
    <message>
        <source>色板</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>导出 PNG</source>
        <translation>Export PNG</translation>
    </message>
    <message>
        <source>导出 CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>PDF 报告</source>
        <translation>PDF Report</translation>
    </message>
    <message>
        <source>没有可见光照片</source>
        <translation>No visible-light photo</translation>
    </message>
    <message>
        <source>x %1, y %2：原始值 %3</source>
        <translation>x %1, y %2: raw value %3</translation>
    </message>
    <message>
        <source>把鼠标移到图像上可查看该点的原始值</source>
        <translation>Move the mouse over the picture to see the raw value at that point</translation>
    </message>
    <message>
        <source>已保存：%1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>照片/影片分析</source>
        <translation>Photo/Video Analysis</translation>
    </message>
    <message>
        <source>无法保存文件：%1</source>
        <translation>Cannot save the file: %1</translation>
    </message>
    <message>
        <source>无法在此文件夹中保存报告：%1</source>
        <translation>Cannot save the report in this folder: %1</translation>
    </message>
    <message>
        <source>有</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>无</source>
        <translation>No</translation>
    </message>
    <message>
        <source>相机型号</source>
        <translation>Camera type</translation>
    </message>
    <message>
        <source>拍摄时间</source>
        <translation>Capture time</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>语音备注</source>
        <translation>Voice note</translation>
    </message>
    <message>
        <source>二维码</source>
        <translation>QR code</translation>
    </message>
    <message>
        <source>原始值范围</source>
        <translation>Raw value range</translation>
    </message>
    <message>
        <source>最高点</source>
        <translation>Hottest point</translation>
    </message>
    <message>
        <source>最低点</source>
        <translation>Coldest point</translation>
    </message>
    <message>
        <source>数值为相机的原始值，未经校准，不是温度（温度单位 %1、距离单位 %2 不适用）。</source>
        <translation>Values are the camera&apos;s raw values, uncalibrated, not temperatures (the temperature unit %1 and the distance unit %2 do not apply).</translation>
    </message>
    <message>
        <source>热像分析报告</source>
        <translation>Thermal Analysis Report</translation>
    </message>
    <message>
        <source>文件：%1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>拍摄时间：%1</source>
        <translation>Capture time: %1</translation>
    </message>
    <message>
        <source>备注：%1</source>
        <translation>Remark: %1</translation>
    </message>
    <message>
        <source>铁红</source>
        <translation>Iron</translation>
    </message>
    <message>
        <source>彩虹</source>
        <translation>Rainbow</translation>
    </message>
    <message>
        <source>白热</source>
        <translation>White hot</translation>
    </message>
    <message>
        <source>黑热</source>
        <translation>Black hot</translation>
    </message>
</context>
<context>
    <name>ImageSys</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>重新命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>选择全部</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>全部取消</source>
        <translation>Deselect All</translation>
    </message>
    <message>
        <source>VELK Thermal Camera</source>
        <translation>VELK Thermal Camera</translation>
    </message>
    <message>
        <source>我的电脑</source>
        <translation>My Computer</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>File size</translation>
    </message>
    <message>
        <source>红外分辨率</source>
        <translation>IR resolution</translation>
    </message>
    <message>
        <source>拍摄时间</source>
        <translation>Captured</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>Choose Folder</translation>
    </message>
    <message>
        <source>相机断开连接</source>
        <translation>Camera Disconnected</translation>
    </message>
    <message>
        <source>设备已失去连接!</source>
        <translation>The camera has lost its connection!</translation>
    </message>
    <message>
        <source>请拔下USB数据线，重新连接并重新启动软件。</source>
        <translation>Please unplug the USB cable, plug it in again and restart the program.</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>打开文件夹所在位置</source>
        <translation>Show in File Manager</translation>
    </message>
    <message>
        <source>新建文件夹</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>文件错误！</source>
        <translation>File error!</translation>
    </message>
    <message>
        <source>路径错误！</source>
        <translation>Invalid folder!</translation>
    </message>
    <message>
        <source>粘贴提示</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>存在重名文件，是否覆盖?</source>
        <translation>A file with the same name already exists. Replace it?</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Keep Both</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>请输入：</source>
        <translation>Enter a name:</translation>
    </message>
    <message>
        <source>命名错误！</source>
        <translation>Invalid name!</translation>
    </message>
    <message>
        <source>命名已存在！</source>
        <translation>This name already exists!</translation>
    </message>
    <message>
        <source>新文件夹名称:</source>
        <translation>New folder name:</translation>
    </message>
    <message>
        <source>文件名太长！</source>
        <translation>The name is too long!</translation>
    </message>
    <message>
        <source>文件夹已存在</source>
        <translation>The folder already exists</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>由于找不到explorer.exe,无法执行打开文件夹所在位置功能。</source>
        <translation>Cannot show the folder because explorer.exe was not found.</translation>
    </message>
    <message>
        <source>由于找不到文件管理器,无法执行打开文件夹所在位置功能。</source>
        <translation>Cannot show the folder because no file manager was found.</translation>
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
