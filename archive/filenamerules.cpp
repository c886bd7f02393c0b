#include "filenamerules.h"

#include <QFileInfo>

bool FileNameRules::hasForbiddenCharacter(const QString &name)
{
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(' ')
            || c == QLatin1Char(':') || c == QLatin1Char('*'))
            return true;
        // A line break or tab in a name cannot be seen in the list.
        if (c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

FileNameRules::Verdict FileNameRules::checkFolderName(const QString &name)
{
    if (name.isEmpty() || hasForbiddenCharacter(name) || name.contains(QLatin1Char('.')))
        return BadName;
    if (name.size() > MaxFolderNameLength)
        return TooLong;
    return Accepted;
}

QString FileNameRules::renamedFileName(const QString &answer, const QString &oldPath)
{
    if (answer.isEmpty() || hasForbiddenCharacter(answer))
        return QString();
    if (answer.contains(QLatin1String(".jpg")) || answer.contains(QLatin1String(".bmp")))
        return answer;
    if (answer.contains(QLatin1Char('.')))
        return QString();
    const QString oldName = QFileInfo(oldPath).fileName();
    const int dot = oldName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? answer : answer + oldName.mid(dot);
}
