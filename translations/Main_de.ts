<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="zh_CN">
<context>
    <name>DynamicLabel</name>
    <message>
        <source>MyLabl</source>
        <translation>Meine Beschriftung</translation>
    </message>
</context>
<context>
    <name>FolderButton</name>
    <message>
        <source>新建文件夹</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>打开文件夹所在位置</source>
        <translation>Im Dateimanager anzeigen</translation>
    </message>
</context>
<context>
    <name>ImageAnalysisK52</name>
    <message>
        <source>此照片的红外数据全为零，无法分析。
%1</source>
        <translation>Die Infrarotdaten dieses Bildes sind durchweg null und können nicht ausgewertet werden.
%1</translation>
    </message>
    <message>
        <source>无法读取此文件，或它不是热像仪拍摄的照片。
%1</source>
        <translation>Diese Datei kann nicht gelesen werden oder ist kein Bild der Wärmebildkamera.
%1</translation>
    </message>
    <message>
        <source>色板</source>
        <translation>Farbpalette</translation>
    </message>
    <message>
        <source>导出 PNG</source>
        <translation>PNG exportieren</translation>
    </message>
    <message>
        <source>导出 CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>PDF 报告</source>
        <translation>PDF-Bericht</translation>
    </message>
    <message>
        <source>没有可见光照片</source>
        <translation>Kein Foto vorhanden</translation>
    </message>
    <message>
        <source>x %1, y %2：原始值 %3</source>
        <translation>x %1, y %2: Rohwert %3</translation>
    </message>
    <message>
        <source>把鼠标移到图像上可查看该点的原始值</source>
        <translation>Bewegen Sie die Maus über das Bild, um den Rohwert an dieser Stelle zu sehen</translation>
    </message>
    <message>
        <source>已保存：%1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>照片/影片分析</source>
        <translation>Foto-/Videoanalyse</translation>
    </message>
    <message>
        <source>无法保存文件：%1</source>
        <translation>Die Datei kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>无法在此文件夹中保存报告：%1</source>
        <translation>Der Bericht kann in diesem Ordner nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>有</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>相机型号</source>
        <translation>Kameratyp</translation>
    </message>
    <message>
        <source>拍摄时间</source>
        <translation>Aufnahmezeit</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>语音备注</source>
        <translation>Sprachnotiz</translation>
    </message>
    <message>
        <source>二维码</source>
        <translation>QR-Code</translation>
    </message>
    <message>
        <source>原始值范围</source>
        <translation>Rohwertbereich</translation>
    </message>
    <message>
        <source>最高点</source>
        <translation>Wärmster Punkt</translation>
    </message>
    <message>
        <source>最低点</source>
        <translation>Kältester Punkt</translation>
    </message>
    <message>
        <source>数值为相机的原始值，未经校准，不是温度（温度单位 %1、距离单位 %2 不适用）。</source>
        <translation>Die Werte sind Rohwerte der Kamera, unkalibriert und keine Temperaturen (Temperatureinheit %1 und Entfernungseinheit %2 gelten hier nicht).</translation>
    </message>
    <message>
        <source>热像分析报告</source>
        <translation>Wärmebild-Analysebericht</translation>
    </message>
    <message>
        <source>文件：%1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>拍摄时间：%1</source>
        <translation>Aufnahmezeit: %1</translation>
    </message>
    <message>
        <source>备注：%1</source>
        <translation>Bemerkung: %1</translation>
    </message>
    <message>
        <source>铁红</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>彩虹</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>白热</source>
        <translation>Weiß heiß</translation>
    </message>
    <message>
        <source>黑热</source>
        <translation>Schwarz heiß</translation>
    </message>
</context>
<context>
    <name>ImageSys</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>重新命名</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>选择全部</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>全部取消</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>VELK Thermal Camera</source>
        <translation>VELK Wärmebildkamera</translation>
    </message>
    <message>
        <source>我的电脑</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>红外分辨率</source>
        <translation>IR-Auflösung</translation>
    </message>
    <message>
        <source>拍摄时间</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>相机断开连接</source>
        <translation>Kamera getrennt</translation>
    </message>
    <message>
        <source>设备已失去连接!</source>
        <translation>Die Verbindung zur Kamera wurde unterbrochen!</translation>
    </message>
    <message>
        <source>请拔下USB数据线，重新连接并重新启动软件。</source>
        <translation>Bitte ziehen Sie das USB-Kabel ab, stecken Sie es wieder ein und starten Sie das Programm neu.</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>打开文件夹所在位置</source>
        <translation>Im Dateimanager anzeigen</translation>
    </message>
    <message>
        <source>新建文件夹</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>文件错误！</source>
        <translation>Dateifehler!</translation>
    </message>
    <message>
        <source>路径错误！</source>
        <translation>Ungültiger Ordner!</translation>
    </message>
    <message>
        <source>粘贴提示</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>存在重名文件，是否覆盖?</source>
        <translation>Eine Datei mit diesem Namen ist bereits vorhanden. Ersetzen?</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>请输入：</source>
        <translation>Namen eingeben:</translation>
    </message>
    <message>
        <source>命名错误！</source>
        <translation>Ungültiger Name!</translation>
    </message>
    <message>
        <source>命名已存在！</source>
        <translation>Dieser Name ist bereits vorhanden!</translation>
    </message>
    <message>
        <source>新文件夹名称:</source>
        <translation>Name des neuen Ordners:</translation>
    </message>
    <message>
        <source>文件名太长！</source>
        <translation>Der Name ist zu lang!</translation>
    </message>
    <message>
        <source>文件夹已存在</source>
        <translation>Der Ordner ist bereits vorhanden</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>由于找不到explorer.exe,无法执行打开文件夹所在位置功能。</source>
        <translation>Der Ordner kann nicht angezeigt werden, weil explorer.exe nicht gefunden wurde.</translation>
    </message>
    <message>
        <source>由于找不到文件管理器,无法执行打开文件夹所在位置功能。</source>
        <translation>Der Ordner kann nicht angezeigt werden, weil kein Dateimanager gefunden wurde.</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>Ondavi</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>VELK Thermal Camera</source>
        <translation>VELK Wärmebildkamera</translation>
    </message>
    <message>
        <source>Camera Connection</source>
        <translation>Kameraverbindung</translation>
    </message>
    <message>
        <source>设备正在连接中，在此期间请勿拔掉设备!</source>
        <translation>Die Kamera wird verbunden. Bitte ziehen Sie sie währenddessen nicht ab!</translation>
    </message>
    <message>
        <source>连接错误</source>
        <translation>Verbindungsfehler</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>温度单位</source>
        <translation>Temperatureinheit</translation>
    </message>
    <message>
        <source>距离单位</source>
        <translation>Entfernungseinheit</translation>
    </message>
    <message>
        <source>软件手册</source>
        <translation>Softwarehandbuch</translation>
    </message>
    <message>
        <source>语言(Language)</source>
        <translation>Sprache(Language)</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>PDF模板</source>
        <translation>PDF-Vorlage</translation>
    </message>
    <message>
        <source>默认相册路径</source>
        <translation>Standard-Albumordner</translation>
    </message>
    <message>
        <source>默认PDF/Excel路径</source>
        <translation>Standardordner für PDF/Excel</translation>
    </message>
    <message>
        <source>单位:</source>
        <translation>Einheit:</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>语言:(重启软件生效!)</source>
        <translation>Sprache (wird nach einem Neustart der Software wirksam):</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>Ordner auswählen</translation>
    </message>
</context>
<context>
    <name>tTabwidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>浏览档案</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>实时投屏</source>
        <translation>Live-Ansicht</translation>
    </message>
    <message>
        <source>照片/影片分析</source>
        <translation>Foto-/Videoanalyse</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Einstellungen</translation>
    </message>
</context>
</TS>
