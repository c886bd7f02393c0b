#include "zanfolderbtnitem.h"

#include "folderbutton.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QResizeEvent>

namespace {

const char *const foldedIcon = ":/images/ic_xyb.png";
const char *const unfoldedIcon = ":/images/ic_xyb_down.png";

const char *const foldButtonStyle = "QPushButton{border: 0px;}";
const char *const titleButtonStyle =
    "QPushButton{text-align:left;font-family:PingFang SC;font-size:16px;font-weight:500;}";
const char *const folderBtnStyle =
    "QPushButton{font-size:16px;font-weight:500;font-family:PingFang SC;color:#333333;"
    "line-height:43px;border:0px;background:#F8F8F8;text-align:left;}"
    "QPushButton:checked{background-color:rgba(150, 150, 150, 66%);}"
    "QPushButton::focus{background-color:rgba(150, 150, 150, 66%);}"
    "QPushButton::pressed{background-color:rgba(0, 0, 150, 60%);}";

const int headerTop = 4;
const int headerButtonHeight = 34;
const int folderButtonLeft = 20;
const int folderButtonTop = 42;
const int folderButtonPitch = 38;
const int folderButtonHeight = 34;
const int btnAreaBottom = 4;

} // namespace

ZanFolderBtnItem::ZanFolderBtnItem(int groupId, QWidget *parent)
    : QWidget(parent)
    , groupId(groupId)
    , currentBtnId(-1)
    , isUnfolded(false)
    , mBtnAreaHeight(btnAreaBottom)
{
    header = new QWidget(this);
    foldButton = new QPushButton(header);
    foldButton->setFixedSize(20, 20);
    foldButton->setIcon(QIcon(QString::fromLatin1(foldedIcon)));
    foldButton->setBackgroundRole(QPalette::Base);
    foldButton->setStyleSheet(QString::fromLatin1(foldButtonStyle));
    titleButton = new QPushButton(header);
    titleButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    titleButton->setFixedHeight(headerButtonHeight);
    titleButton->setStyleSheet(QString::fromLatin1(titleButtonStyle));
    auto *headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(0, 0, 0, 0);
    headerLayout->setSpacing(0);
    headerLayout->addWidget(foldButton);
    headerLayout->addWidget(titleButton);
    headerHeight = 42;

    mButtonGroup = new QButtonGroup(this);

    connect(foldButton, &QPushButton::clicked, this, &ZanFolderBtnItem::delExposeBtnSlot);
    connect(titleButton, &QPushButton::clicked, this, &ZanFolderBtnItem::delExposeBtnSlot);
    // The group reports a click by id first and by button last; answering
    // the last report lets every listener of the id signals see the click
    // before the selection it causes.
    connect(mButtonGroup, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            [this](QAbstractButton *button) { ZanGroupClickResponse(mButtonGroup->id(button)); });
}

int ZanFolderBtnItem::setGroupInfo(int width, const QString &title, QStringList folderNames)
{
    titleButton->setText(title);
    header->setGeometry(0, headerTop, width, headerButtonHeight);

    int y = folderButtonTop;
    for (int i = 0; i < folderNames.size(); ++i) {
        const QString &name = folderNames.at(i);
        auto *button = new FolderButton(this);
        button->setContextMenuPolicy(Qt::NoContextMenu);
        button->setObjectName(QStringLiteral("folderBtn_%1_%2").arg(groupId).arg(i));
        button->setFolderName(name);
        button->setToolTip(name);
        button->setFixedHeight(folderButtonHeight);
        button->setStyleSheet(QString::fromLatin1(folderBtnStyle));
        button->setGeometry(folderButtonLeft, y, width - 2 * folderButtonLeft, folderButtonHeight);
        button->setVisible(isUnfolded);
        mButtonGroup->addButton(button, i);
        y += folderButtonPitch;
    }

    mBtnAreaHeight = folderButtonPitch * folderNames.size() + btnAreaBottom;
    return isUnfolded ? headerHeight + mBtnAreaHeight : headerHeight;
}

void ZanFolderBtnItem::unfold()
{
    if (isUnfolded)
        return;
    isUnfolded = true;
    foldButton->setIcon(QIcon(QString::fromLatin1(unfoldedIcon)));
    showFolderButtons(true);
    setFixedHeight(headerHeight + mBtnAreaHeight);
    emit unfoldChang(groupId, true);
}

QAbstractButton *ZanFolderBtnItem::checkedFolderButton() const
{
    // Walk the buttons: the group's own record of its checked button is not
    // cleared when a button stops being checkable.
    const QList<QAbstractButton *> buttons = mButtonGroup->buttons();
    for (QAbstractButton *button : buttons) {
        if (button->isChecked())
            return button;
    }
    return nullptr;
}

void ZanFolderBtnItem::deselect()
{
    QAbstractButton *button = checkedFolderButton();
    if (!button)
        return;
    // Not checkable first: an exclusive group refuses to uncheck its button.
    button->setCheckable(false);
    button->setChecked(false);
    currentBtnId = -1;
    button->update();
}

void ZanFolderBtnItem::checkFolderButton(QAbstractButton *button)
{
    if (!button)
        return;
    button->setCheckable(true);
    button->setChecked(true);
}

void ZanFolderBtnItem::delExposeBtnSlot()
{
    isUnfolded = !isUnfolded;
    if (!isUnfolded) {
        showFolderButtons(false);
        foldButton->setIcon(QIcon(QString::fromLatin1(foldedIcon)));
        setFixedHeight(headerHeight);
    } else {
        foldButton->setIcon(QIcon(QString::fromLatin1(unfoldedIcon)));
        showFolderButtons(true);
        setFixedHeight(headerHeight + mBtnAreaHeight);
    }
    emit unfoldChang(groupId, isUnfolded);
}

void ZanFolderBtnItem::ZanGroupClickResponse(int id)
{
    currentBtnId = id;
    checkFolderButton(mButtonGroup->button(id));
    emit zanFolderBtnClicked(groupId, id);
}

void ZanFolderBtnItem::resizeEvent(QResizeEvent *event)
{
    const int w = event->size().width();
    header->setGeometry(0, headerTop, w, headerButtonHeight);
    int y = folderButtonTop;
    const QList<QAbstractButton *> buttons = mButtonGroup->buttons();
    for (QAbstractButton *button : buttons) {
        button->setGeometry(folderButtonLeft, y, w - 2 * folderButtonLeft, folderButtonHeight);
        y += folderButtonPitch;
    }
    QWidget::resizeEvent(event);
}

void ZanFolderBtnItem::showFolderButtons(bool visible)
{
    const QList<QAbstractButton *> buttons = mButtonGroup->buttons();
    for (QAbstractButton *button : buttons)
        button->setVisible(visible);
}
