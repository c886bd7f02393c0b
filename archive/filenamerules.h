#ifndef FILENAMERULES_H
#define FILENAMERULES_H

#include <QString>

// The names the archive page accepts for renamed files and for new or
// renamed PC folders. A name that passes stays inside its folder.
class FileNameRules
{
public:
    enum Verdict { Accepted, BadName, TooLong };

    // Folder names of up to this many characters are accepted.
    static constexpr int MaxFolderNameLength = 40;

    // "/", "\\", a space, ":", "*" or a control character.
    static bool hasForbiddenCharacter(const QString &name);

    static Verdict checkFolderName(const QString &name);

    // The new file name for the answer of a rename of oldPath: the answer
    // as typed when it names a ".jpg" or ".bmp" file, else the answer with
    // oldPath's extension. Empty when the answer is refused.
    static QString renamedFileName(const QString &answer, const QString &oldPath);
};

#endif // FILENAMERULES_H
