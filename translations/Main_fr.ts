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
    <name>MessageBox</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
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
    <message>
        <source>找不到软件手册“%1”。</source>
        <translation>Le manuel du logiciel « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>无法打开软件手册“%1”，请确认已安装PDF阅读器。</source>
        <translation>Impossible d&apos;ouvrir le manuel du logiciel « %1 ». Vérifiez qu&apos;une visionneuse PDF est installée.</translation>
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
