#ifndef WIDGETKIT_H
#define WIDGETKIT_H

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// Offers DynamicLabel to Qt Designer.
class WidgetKit : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit WidgetKit(QObject *parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface *core) override;
    QString domXml() const override;

private:
    bool initialized = false;
};

#endif // WIDGETKIT_H
