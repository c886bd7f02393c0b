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
    <name>ImageAnalysisK52</name>
    <message>
        <source>此照片的红外数据全为零，无法分析。
%1</source>
        <translation>Les données infrarouges de cette image sont toutes nulles : analyse impossible.
%1</translation>
    </message>
    <message>
        <source>无法读取此文件，或它不是热像仪拍摄的照片。
%1</source>
        <translation>Impossible de lire ce fichier, ou ce n’est pas une image de la caméra thermique.
%1</translation>
    </message>
    <message>
        <source>色板</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>导出 PNG</source>
        <translation>Exporter en PNG</translation>
    </message>
    <message>
        <source>导出 CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>PDF 报告</source>
        <translation>Rapport PDF</translation>
    </message>
    <message>
        <source>没有可见光照片</source>
        <translation>Aucune photo visible</translation>
    </message>
    <message>
        <source>x %1, y %2：原始值 %3</source>
        <translation>x %1, y %2 : valeur brute %3</translation>
    </message>
    <message>
        <source>把鼠标移到图像上可查看该点的原始值</source>
        <translation>Survolez l’image avec la souris pour voir la valeur brute en ce point</translation>
    </message>
    <message>
        <source>已保存：%1</source>
        <translation>Enregistré : %1</translation>
    </message>
    <message>
        <source>照片/影片分析</source>
        <translation>Analyse photo/vidéo</translation>
    </message>
    <message>
        <source>无法保存文件：%1</source>
        <translation>Impossible d’enregistrer le fichier : %1</translation>
    </message>
    <message>
        <source>无法在此文件夹中保存报告：%1</source>
        <translation>Impossible d’enregistrer le rapport dans ce dossier : %1</translation>
    </message>
    <message>
        <source>有</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>相机型号</source>
        <translation>Type de caméra</translation>
    </message>
    <message>
        <source>拍摄时间</source>
        <translation>Date de prise de vue</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>语音备注</source>
        <translation>Note vocale</translation>
    </message>
    <message>
        <source>二维码</source>
        <translation>Code QR</translation>
    </message>
    <message>
        <source>原始值范围</source>
        <translation>Plage des valeurs brutes</translation>
    </message>
    <message>
        <source>最高点</source>
        <translation>Point le plus chaud</translation>
    </message>
    <message>
        <source>最低点</source>
        <translation>Point le plus froid</translation>
    </message>
    <message>
        <source>数值为相机的原始值，未经校准，不是温度（温度单位 %1、距离单位 %2 不适用）。</source>
        <translation>Les valeurs sont les valeurs brutes de la caméra, non étalonnées, et non des températures (l’unité de température %1 et l’unité de distance %2 ne s’appliquent pas).</translation>
    </message>
    <message>
        <source>热像分析报告</source>
        <translation>Rapport d’analyse thermique</translation>
    </message>
    <message>
        <source>文件：%1</source>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>拍摄时间：%1</source>
        <translation>Date de prise de vue : %1</translation>
    </message>
    <message>
        <source>备注：%1</source>
        <translation>Remarque : %1</translation>
    </message>
    <message>
        <source>铁红</source>
        <translation>Fer</translation>
    </message>
    <message>
        <source>彩虹</source>
        <translation>Arc-en-ciel</translation>
    </message>
    <message>
        <source>白热</source>
        <translation>Blanc chaud</translation>
    </message>
    <message>
        <source>黑热</source>
        <translation>Noir chaud</translation>
    </message>
</context>
<context>
    <name>ImageSys</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>重新命名</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>选择全部</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>全部取消</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>VELK Thermal Camera</source>
        <translation>Caméra thermique VELK</translation>
    </message>
    <message>
        <source>我的电脑</source>
        <translation>Mon ordinateur</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>红外分辨率</source>
        <translation>Résolution IR</translation>
    </message>
    <message>
        <source>拍摄时间</source>
        <translation>Pris le</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Modifié le</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>相机断开连接</source>
        <translation>Caméra déconnectée</translation>
    </message>
    <message>
        <source>设备已失去连接!</source>
        <translation>La caméra a perdu la connexion !</translation>
    </message>
    <message>
        <source>请拔下USB数据线，重新连接并重新启动软件。</source>
        <translation>Débranchez le câble USB, rebranchez-le et redémarrez le logiciel.</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>打开文件夹所在位置</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>新建文件夹</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>文件错误！</source>
        <translation>Erreur de fichier !</translation>
    </message>
    <message>
        <source>路径错误！</source>
        <translation>Dossier non valide !</translation>
    </message>
    <message>
        <source>粘贴提示</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>存在重名文件，是否覆盖?</source>
        <translation>Un fichier portant ce nom existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Conserver les deux</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>请输入：</source>
        <translation>Saisissez un nom :</translation>
    </message>
    <message>
        <source>命名错误！</source>
        <translation>Nom non valide !</translation>
    </message>
    <message>
        <source>命名已存在！</source>
        <translation>Ce nom existe déjà !</translation>
    </message>
    <message>
        <source>新文件夹名称:</source>
        <translation>Nom du nouveau dossier :</translation>
    </message>
    <message>
        <source>文件名太长！</source>
        <translation>Le nom est trop long !</translation>
    </message>
    <message>
        <source>文件夹已存在</source>
        <translation>Le dossier existe déjà</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>由于找不到explorer.exe,无法执行打开文件夹所在位置功能。</source>
        <translation>Impossible d’afficher le dossier : explorer.exe est introuvable.</translation>
    </message>
    <message>
        <source>由于找不到文件管理器,无法执行打开文件夹所在位置功能。</source>
        <translation>Impossible d’afficher le dossier : aucun gestionnaire de fichiers n’a été trouvé.</translation>
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
