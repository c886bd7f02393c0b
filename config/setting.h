#ifndef SETTING_H
#define SETTING_H

#include <QString>
#include <QWidget>

// The settings page: units, language, report template and folders.
class Setting : public QWidget
{
    Q_OBJECT

public:
    explicit Setting(QWidget *parent = nullptr);
    ~Setting() override;

signals:
    void changeLanguage(QString language);
    void SignalsChangeConfig(qint8 configType);
};

#endif // SETTING_H
