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
    <name>ImageAnalysisK52</name>
    <message>
        <source>此照片的红外数据全为零，无法分析。
%1</source>
        <translation>Los datos infrarrojos de esta imagen son todos cero y no se pueden analizar.
%1</translation>
    </message>
    <message>
        <source>无法读取此文件，或它不是热像仪拍摄的照片。
%1</source>
        <translation>No se puede leer este archivo o no es una imagen de la cámara térmica.
%1</translation>
    </message>
    <message>
        <source>色板</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>导出 PNG</source>
        <translation>Exportar PNG</translation>
    </message>
    <message>
        <source>导出 CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>PDF 报告</source>
        <translation>Informe PDF</translation>
    </message>
    <message>
        <source>没有可见光照片</source>
        <translation>Sin foto visible</translation>
    </message>
    <message>
        <source>x %1, y %2：原始值 %3</source>
        <translation>x %1, y %2: valor bruto %3</translation>
    </message>
    <message>
        <source>把鼠标移到图像上可查看该点的原始值</source>
        <translation>Mueva el ratón sobre la imagen para ver el valor bruto en ese punto</translation>
    </message>
    <message>
        <source>已保存：%1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>照片/影片分析</source>
        <translation>Análisis de foto/vídeo</translation>
    </message>
    <message>
        <source>无法保存文件：%1</source>
        <translation>No se puede guardar el archivo: %1</translation>
    </message>
    <message>
        <source>无法在此文件夹中保存报告：%1</source>
        <translation>No se puede guardar el informe en esta carpeta: %1</translation>
    </message>
    <message>
        <source>有</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>无</source>
        <translation>No</translation>
    </message>
    <message>
        <source>相机型号</source>
        <translation>Tipo de cámara</translation>
    </message>
    <message>
        <source>拍摄时间</source>
        <translation>Hora de captura</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Observación</translation>
    </message>
    <message>
        <source>语音备注</source>
        <translation>Nota de voz</translation>
    </message>
    <message>
        <source>二维码</source>
        <translation>Código QR</translation>
    </message>
    <message>
        <source>原始值范围</source>
        <translation>Rango de valores brutos</translation>
    </message>
    <message>
        <source>最高点</source>
        <translation>Punto más caliente</translation>
    </message>
    <message>
        <source>最低点</source>
        <translation>Punto más frío</translation>
    </message>
    <message>
        <source>数值为相机的原始值，未经校准，不是温度（温度单位 %1、距离单位 %2 不适用）。</source>
        <translation>Los valores son valores brutos de la cámara, sin calibrar, no temperaturas (la unidad de temperatura %1 y la de distancia %2 no se aplican).</translation>
    </message>
    <message>
        <source>热像分析报告</source>
        <translation>Informe de análisis térmico</translation>
    </message>
    <message>
        <source>文件：%1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>拍摄时间：%1</source>
        <translation>Hora de captura: %1</translation>
    </message>
    <message>
        <source>备注：%1</source>
        <translation>Observación: %1</translation>
    </message>
    <message>
        <source>铁红</source>
        <translation>Hierro</translation>
    </message>
    <message>
        <source>彩虹</source>
        <translation>Arcoíris</translation>
    </message>
    <message>
        <source>白热</source>
        <translation>Blanco caliente</translation>
    </message>
    <message>
        <source>黑热</source>
        <translation>Negro caliente</translation>
    </message>
</context>
<context>
    <name>ImageSys</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>重新命名</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>选择全部</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>全部取消</source>
        <translation>Deseleccionar todo</translation>
    </message>
    <message>
        <source>VELK Thermal Camera</source>
        <translation>Cámara térmica VELK</translation>
    </message>
    <message>
        <source>我的电脑</source>
        <translation>Mi PC</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>红外分辨率</source>
        <translation>Resolución IR</translation>
    </message>
    <message>
        <source>拍摄时间</source>
        <translation>Capturado</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>相机断开连接</source>
        <translation>Cámara desconectada</translation>
    </message>
    <message>
        <source>设备已失去连接!</source>
        <translation>¡Se ha perdido la conexión con la cámara!</translation>
    </message>
    <message>
        <source>请拔下USB数据线，重新连接并重新启动软件。</source>
        <translation>Desconecte el cable USB, vuelva a conectarlo y reinicie el programa.</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>打开文件夹所在位置</source>
        <translation>Mostrar en el administrador de archivos</translation>
    </message>
    <message>
        <source>新建文件夹</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>文件错误！</source>
        <translation>¡Error de archivo!</translation>
    </message>
    <message>
        <source>路径错误！</source>
        <translation>¡Carpeta no válida!</translation>
    </message>
    <message>
        <source>粘贴提示</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>存在重名文件，是否覆盖?</source>
        <translation>Ya existe un archivo con el mismo nombre. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Conservar ambos</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>请输入：</source>
        <translation>Introduzca un nombre:</translation>
    </message>
    <message>
        <source>命名错误！</source>
        <translation>¡Nombre no válido!</translation>
    </message>
    <message>
        <source>命名已存在！</source>
        <translation>¡Este nombre ya existe!</translation>
    </message>
    <message>
        <source>新文件夹名称:</source>
        <translation>Nombre de la carpeta nueva:</translation>
    </message>
    <message>
        <source>文件名太长！</source>
        <translation>¡El nombre es demasiado largo!</translation>
    </message>
    <message>
        <source>文件夹已存在</source>
        <translation>La carpeta ya existe</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>由于找不到explorer.exe,无法执行打开文件夹所在位置功能。</source>
        <translation>No se puede mostrar la carpeta porque no se encontró explorer.exe.</translation>
    </message>
    <message>
        <source>由于找不到文件管理器,无法执行打开文件夹所在位置功能。</source>
        <translation>No se puede mostrar la carpeta porque no se encontró ningún administrador de archivos.</translation>
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
