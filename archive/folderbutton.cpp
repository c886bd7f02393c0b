#include "folderbutton.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

struct FolderActionRow {
    const char *key;
    const char *text;
    FolderActionCode code;
};

// Menu order; the texts are translated in the context "FolderButton".
const FolderActionRow folderActionRows[] = {
    {"new", QT_TRANSLATE_NOOP("FolderButton", "新建文件夹"), FolderActionNew},
    {"refresh", QT_TRANSLATE_NOOP("FolderButton", "刷新"), FolderActionRefresh},
    {"del", QT_TRANSLATE_NOOP("FolderButton", "删除"), FolderActionDelete},
    {"rename", QT_TRANSLATE_NOOP("FolderButton", "重命名"), FolderActionRename},
    {"explorerShow", QT_TRANSLATE_NOOP("FolderButton", "打开文件夹所在位置"), FolderActionExplorerShow},
};

const char *const menuStyle =
    "QMenu{background-color:rgb(89,87,87);border: 0px solid rgb(235,110,36);}"
    "QMenu::item{font-size: 10pt;color: rgb(225,225,225);border: 3px solid rgb(60,60,60);"
    "background-color:rgb(89,87,87);padding:5px 16px;margin:2px 2px;}"
    "QMenu::item:selected{border: 3px solid rgb(76, 173, 200);}"
    "QMenu::item:pressed{border: 1px solid rgb(60,60,61);background-color: rgba(0, 0, 255, 60%);}";

// Text before the folder name.
const int namePrefixLength = 2;

} // namespace

FolderButton::FolderButton(QWidget *parent)
    : QPushButton(parent)
{
    setLayoutDirection(Qt::RightToLeft);
    setContextMenuPolicy(Qt::CustomContextMenu);

    menu = new QMenu(this);
    menu->setStyleSheet(menuStyleSheet());
    for (const FolderActionRow &row : folderActionRows) {
        auto *act = new QAction(tr(row.text), this);
        actions.insert(QString::fromLatin1(row.key), act);
        const qint8 code = row.code;
        connect(act, &QAction::triggered, this, [this, code]() {
            emit on_trig(objectName(), code);
        });
        menu->addAction(act);
    }

    // The menu opens where the cursor is, not at the reported position.
    connect(this, &QWidget::customContextMenuRequested, this, [this]() {
        menu->exec(QCursor::pos());
    });
}

QString FolderButton::menuStyleSheet()
{
    return QString::fromLatin1(menuStyle);
}

void FolderButton::setFolderName(const QString &name)
{
    setText(QStringLiteral("  ") + name);
}

QString FolderButton::folderName() const
{
    return text().mid(namePrefixLength);
}

void FolderButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // Trailing spaces balance the leading ones; long names lose their middle
    // so both the start and the end of the name stay readable.
    option.text = option.fontMetrics.elidedText(option.text + QStringLiteral("  "),
                                                Qt::ElideMiddle, width());
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
}

void FolderButton::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    for (const FolderActionRow &row : folderActionRows) {
        if (QAction *act = actions.value(QString::fromLatin1(row.key)))
            act->setText(tr(row.text));
    }
}
