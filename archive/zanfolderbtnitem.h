#ifndef ZANFOLDERBTNITEM_H
#define ZANFOLDERBTNITEM_H

#include <QStringList>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QPushButton;

// One collapsible group of the folder tree: a header with a fold icon and a
// title above a column of folder buttons in one exclusive button group.
// A folder button is checkable only while it is the selected one, so the
// selection can be removed although the group is exclusive.
class ZanFolderBtnItem : public QWidget
{
    Q_OBJECT

public:
    ZanFolderBtnItem(int groupId, QWidget *parent = nullptr);

    // Builds one folder button per name; returns the item's height.
    int setGroupInfo(int width, const QString &title, QStringList folderNames);
    // Shows the folder buttons if the group is folded.
    void unfold();

    int btnAreaHeight() const { return mBtnAreaHeight; }
    QButtonGroup *buttonGroup() const { return mButtonGroup; }

    int id() const { return groupId; }
    int currentButtonId() const { return currentBtnId; }
    bool unfolded() const { return isUnfolded; }
    QPushButton *titleWidget() const { return titleButton; }
    QPushButton *foldWidget() const { return foldButton; }

    // The checked folder button, or nullptr.
    QAbstractButton *checkedFolderButton() const;
    // Removes the check from the selected folder button, if any.
    void deselect();

    // Makes a folder button the checked one of its exclusive group.
    static void checkFolderButton(QAbstractButton *button);

signals:
    void unfoldChang(int groupId, bool isUnfolded);
    void zanFolderBtnClicked(int groupId, int btnId);

private slots:
    void delExposeBtnSlot();
    void ZanGroupClickResponse(int id);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showFolderButtons(bool visible);

    int groupId;
    int currentBtnId;
    bool isUnfolded;
    int mBtnAreaHeight;
    int headerHeight;
    QPushButton *foldButton;
    QPushButton *titleButton;
    QWidget *header;
    QButtonGroup *mButtonGroup;
};

#endif // ZANFOLDERBTNITEM_H
