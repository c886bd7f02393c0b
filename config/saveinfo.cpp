#include "saveinfo.h"

#include <QFileInfo>
#include <QSettings>

SaveInfo::SaveInfo(QObject *settingsParent, const QString &path)
    : settings(new QSettings(path, QSettings::IniFormat, settingsParent))
    , filePath(path)
{
}

SaveInfo::~SaveInfo() = default;

bool SaveInfo::fileExists() const
{
    return QFileInfo(filePath).isFile();
}

QString SaveInfo::readInfo(const QString &groupName, const QString &settingName,
                           const QString &defaultValue)
{
    if (!settings)
        return defaultValue;
    if (!fileExists() || !settings->childGroups().contains(groupName)) {
        settings->beginGroup(groupName);
        settings->setValue(settingName, defaultValue);
        settings->endGroup();
        return defaultValue;
    }
    settings->beginGroup(groupName);
    QString result;
    if (settings->childKeys().contains(settingName)) {
        result = settings->value(settingName).toString();
    } else {
        settings->setValue(settingName, defaultValue);
        result = defaultValue;
    }
    settings->endGroup();
    return result;
}

void SaveInfo::writeInfo(QString groupName, QString settingName, QString info)
{
    if (!settings || !fileExists())
        return;
    settings->beginGroup(groupName);
    settings->setValue(settingName, info);
    settings->endGroup();
}

QString SaveInfo::groupNameAt(quint8 index) const
{
    if (!settings)
        return QString();
    const QStringList groups = settings->childGroups();
    if (index >= groups.size())
        return QString();
    return groups.at(index);
}

void SaveInfo::dispose()
{
    delete settings;
    settings = nullptr;
    deleteLater();
}
