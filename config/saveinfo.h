#ifndef SAVEINFO_H
#define SAVEINFO_H

#include <QObject>
#include <QString>

class QSettings;

// One INI file: read a key with a default, write a key, name a group.
class SaveInfo : public QObject
{
    Q_OBJECT

public:
    // The QSettings object is a child of settingsParent, not of this store.
    SaveInfo(QObject *settingsParent, const QString &path);
    ~SaveInfo() override;

    bool fileExists() const;
    QString readInfo(const QString &groupName, const QString &settingName,
                     const QString &defaultValue);
    QString groupNameAt(quint8 index) const;
    void dispose();

public slots:
    void writeInfo(QString groupName, QString settingName, QString info = "");

private:
    QSettings *settings;
    QString filePath;
};

#endif // SAVEINFO_H
