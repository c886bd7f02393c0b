<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>DynamicLabel</name>
    <message>
        <source>MyLabl</source>
        <translation>Mi etiqueta</translation>
    </message>
</context>
<context>
    <name>FolderButton</name>
    <message>
        <source>新建文件夹</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>打开文件夹所在位置</source>
        <translation>Mostrar en el administrador de archivos</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>Ondavi</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>VELK Thermal Camera</source>
        <translation>Cámara térmica VELK</translation>
    </message>
    <message>
        <source>Camera Connection</source>
        <translation>Conexión de la cámara</translation>
    </message>
    <message>
        <source>设备正在连接中，在此期间请勿拔掉设备!</source>
        <translation>La cámara se está conectando. ¡No la desconecte mientras tanto!</translation>
    </message>
    <message>
        <source>连接错误</source>
        <translation>Error de conexión</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>温度单位</source>
        <translation>Unidad de temperatura</translation>
    </message>
    <message>
        <source>距离单位</source>
        <translation>Unidad de distancia</translation>
    </message>
    <message>
        <source>软件手册</source>
        <translation>Manual del software</translation>
    </message>
    <message>
        <source>语言(Language)</source>
        <translation>Idioma(Language)</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>PDF模板</source>
        <translation>Plantilla PDF</translation>
    </message>
    <message>
        <source>默认相册路径</source>
        <translation>Carpeta de álbum predeterminada</translation>
    </message>
    <message>
        <source>默认PDF/Excel路径</source>
        <translation>Carpeta PDF/Excel predeterminada</translation>
    </message>
    <message>
        <source>单位:</source>
        <translation>Unidad:</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>语言:(重启软件生效!)</source>
        <translation>Idioma (se aplica al reiniciar el software):</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>Seleccionar carpeta</translation>
    </message>
</context>
<context>
    <name>tTabwidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>浏览档案</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>实时投屏</source>
        <translation>Vista en directo</translation>
    </message>
    <message>
        <source>照片/影片分析</source>
        <translation>Análisis de foto/vídeo</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Configuración</translation>
    </message>
</context>
</TS>
