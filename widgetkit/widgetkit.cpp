#include "widgetkit.h"

#include "dynamiclabel.h"

#include <QIcon>

WidgetKit::WidgetKit(QObject *parent)
    : QObject(parent)
{
}

QString WidgetKit::name() const
{
    return QStringLiteral("DynamicLabel");
}

QString WidgetKit::group() const
{
    return QString();
}

QString WidgetKit::toolTip() const
{
    return QString();
}

QString WidgetKit::whatsThis() const
{
    return QString();
}

QString WidgetKit::includeFile() const
{
    return QStringLiteral("dynamiclabel.h");
}

QIcon WidgetKit::icon() const
{
    return QIcon(QStringLiteral(":/dynamiclabelicon.png"));
}

bool WidgetKit::isContainer() const
{
    return false;
}

QWidget *WidgetKit::createWidget(QWidget *parent)
{
    return new DynamicLabel(parent);
}

bool WidgetKit::isInitialized() const
{
    return initialized;
}

void WidgetKit::initialize(QDesignerFormEditorInterface *)
{
    if (!initialized)
        initialized = true;
}

QString WidgetKit::domXml() const
{
    return QStringLiteral("<widget class=\"DynamicLabel\" name=\"dynamicLabel\">\n</widget>\n");
}
