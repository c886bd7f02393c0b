<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>DynamicLabel</name>
    <message>
        <source>MyLabl</source>
        <translation>Mon libellé</translation>
    </message>
</context>
<context>
    <name>FolderButton</name>
    <message>
        <source>新建文件夹</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>打开文件夹所在位置</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>Ondavi</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>VELK Thermal Camera</source>
        <translation>Caméra thermique VELK</translation>
    </message>
    <message>
        <source>Camera Connection</source>
        <translation>Connexion de la caméra</translation>
    </message>
    <message>
        <source>设备正在连接中，在此期间请勿拔掉设备!</source>
        <translation>Connexion de la caméra en cours. Ne la débranchez pas pendant ce temps !</translation>
    </message>
    <message>
        <source>连接错误</source>
        <translation>Erreur de connexion</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>温度单位</source>
        <translation>Unité de température</translation>
    </message>
    <message>
        <source>距离单位</source>
        <translation>Unité de distance</translation>
    </message>
    <message>
        <source>软件手册</source>
        <translation>Manuel du logiciel</translation>
    </message>
    <message>
        <source>语言(Language)</source>
        <translation>Langue(Language)</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>PDF模板</source>
        <translation>Modèle PDF</translation>
    </message>
    <message>
        <source>默认相册路径</source>
        <translation>Dossier d&apos;album par défaut</translation>
    </message>
    <message>
        <source>默认PDF/Excel路径</source>
        <translation>Dossier PDF/Excel par défaut</translation>
    </message>
    <message>
        <source>单位:</source>
        <translation>Unité :</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>语言:(重启软件生效!)</source>
        <translation>Langue (prend effet au redémarrage du logiciel) :</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>Choisir un dossier</translation>
    </message>
</context>
<context>
    <name>tTabwidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>浏览档案</source>
        <translation>Archives</translation>
    </message>
    <message>
        <source>实时投屏</source>
        <translation>Vue en direct</translation>
    </message>
    <message>
        <source>照片/影片分析</source>
        <translation>Analyse photo/vidéo</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Paramètres</translation>
    </message>
</context>
</TS>
