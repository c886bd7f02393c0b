#include "testsupport.h"

#include "folderbutton.h"
#include "zanfolderbtnitem.h"
#include "zanfolderbtntree.h"

#include <QAction>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTranslator>

namespace {

// Remembers the text of every push button it is asked to draw.
class RecordingStyle : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_PushButton) {
            if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option))
                drawnTexts.append(button->text);
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    mutable QStringList drawnTexts;
};

// Translates the menu texts of FolderButton into marked English ones.
class MenuTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *,
                      int) const override
    {
        if (qstrcmp(context, "FolderButton") != 0)
            return QString();
        const QString source = QString::fromUtf8(sourceText);
        if (source == QStringLiteral("新建文件夹"))
            return QStringLiteral("EN New folder");
        if (source == QStringLiteral("刷新"))
            return QStringLiteral("EN Refresh");
        if (source == QStringLiteral("删除"))
            return QStringLiteral("EN Delete");
        if (source == QStringLiteral("重命名"))
            return QStringLiteral("EN Rename");
        if (source == QStringLiteral("打开文件夹所在位置"))
            return QStringLiteral("EN Show in explorer");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

const QStringList actionKeys = {"new", "refresh", "del", "rename", "explorerShow"};
const QStringList sourceTexts = {QStringLiteral("新建文件夹"), QStringLiteral("刷新"),
                                 QStringLiteral("删除"), QStringLiteral("重命名"),
                                 QStringLiteral("打开文件夹所在位置")};

void requestContextMenu(QWidget *widget)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(widget, &event);
}

QStringList menuTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text();
    return texts;
}

FolderGroupInfo groupInfo(const QString &title, int folders)
{
    FolderGroupInfo info;
    info.title = title;
    for (int i = 0; i < folders; ++i)
        info.folderNames << QStringLiteral("Folder %1").arg(i);
    return info;
}

QAbstractButton *folderButton(const ZanFolderBtnTree &tree, int group, int id)
{
    ZanFolderBtnItem *item = tree.itemAt(group);
    return item ? item->buttonGroup()->button(id) : nullptr;
}

// Object names of every checked folder button in the tree.
QStringList checkedButtons(const ZanFolderBtnTree &tree)
{
    QStringList names;
    for (int g = 0; g < tree.count(); ++g) {
        for (QAbstractButton *button : tree.itemAt(g)->buttonGroup()->buttons()) {
            if (button->isChecked())
                names << button->objectName();
        }
    }
    return names;
}

QList<int> itemTops(const ZanFolderBtnTree &tree)
{
    QList<int> tops;
    for (int g = 0; g < tree.count(); ++g)
        tops << tree.itemAt(g)->y();
    return tops;
}

// Notes the group's own click report in a shared list of events.
class ClickRecorder : public QObject
{
    Q_OBJECT
public:
    explicit ClickRecorder(QStringList *events) : events(events) {}
public slots:
    void groupClicked(int id) { events->append(QStringLiteral("group %1").arg(id)); }
private:
    QStringList *events;
};

} // namespace

class TestFolderTree : public QObject
{
    Q_OBJECT

private slots:
    // FolderButton
    void folderName_data();
    void folderName();
    void menuActions_data();
    void menuActions();
    void noContextMenu();
    void elidedPainting_data();
    void elidedPainting();
    void languageChange();

    // ZanFolderBtnItem / ZanFolderBtnTree
    void buttonsOfGroups();
    void folding_data();
    void folding();
    void itemGeometry();
    void resizeKeepsStack();
    void oneSelectionAcrossGroups();
    void selectionWithinGroup();
    void clickSignalOrder_data();
    void clickSignalOrder();
    void headerClickKeepsSelection();
    void selectGroup();
    void selectGroupOutOfRange_data();
    void selectGroupOutOfRange();
    void uncheckAll();
    void unknownGroupIgnored_data();
    void unknownGroupIgnored();
    void clearGroups();
};

void TestFolderTree::folderName_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QStringLiteral("Users Files");
    QTest::newRow("empty") << QString();
    QTest::newRow("leading spaces") << QStringLiteral("  padded");
    QTest::newRow("chinese") << QStringLiteral("新建文件夹");
}

void TestFolderTree::folderName()
{
    QFETCH(QString, name);
    FolderButton button(nullptr);
    button.setFolderName(name);
    QCOMPARE(button.text(), QStringLiteral("  ") + name);
    QCOMPARE(button.folderName(), name);
}

void TestFolderTree::menuActions_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("code");
    for (int i = 0; i < actionKeys.size(); ++i)
        QTest::newRow(qPrintable(actionKeys.at(i))) << i << actionKeys.at(i) << i;
}

void TestFolderTree::menuActions()
{
    QFETCH(int, index);
    QFETCH(QString, key);
    QFETCH(int, code);

    QWidget window;
    window.resize(200, 100);
    auto *button = new FolderButton(&window);
    button->setObjectName(QStringLiteral("pcFolder_7"));
    button->setFolderName(QStringLiteral("Trip"));
    button->setGeometry(0, 0, 200, 34);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(button->contextMenuPolicy(), Qt::CustomContextMenu);
    QCOMPARE(button->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(menuTexts(button->contextMenu()), sourceTexts);
    QCOMPARE(button->action(key), button->contextMenu()->actions().at(index));
    QCOMPARE(button->action(key)->parent(), button);

    QSignalSpy trig(button, &FolderButton::on_trig);
    QPointer<QMenu> shown;
    TestSupport::answerNextPopup([&shown, index](QWidget *popup) {
        auto *menu = qobject_cast<QMenu *>(popup);
        shown = menu;
        if (!menu) {
            popup->close();
            return;
        }
        menu->setActiveAction(menu->actions().at(index));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    requestContextMenu(button);

    QCOMPARE(shown.data(), button->contextMenu());
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(trig.count(), 1);
    QCOMPARE(trig.at(0).at(0).toString(), QStringLiteral("pcFolder_7"));
    QCOMPARE(trig.at(0).at(1).value<qint8>(), qint8(code));
}

void TestFolderTree::noContextMenu()
{
    FolderButton button(nullptr);
    button.setContextMenuPolicy(Qt::NoContextMenu);
    button.resize(200, 34);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));

    // A menu would block in exec(); the watcher closes it and tells.
    bool popupSeen = false;
    QTimer watcher;
    watcher.setInterval(10);
    connect(&watcher, &QTimer::timeout, [&popupSeen]() {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            popupSeen = true;
            popup->close();
        }
    });
    watcher.start();
    QSignalSpy trig(&button, &FolderButton::on_trig);
    requestContextMenu(&button);
    QCoreApplication::processEvents();
    watcher.stop();

    QVERIFY(!popupSeen);
    QCOMPARE(trig.count(), 0);
}

void TestFolderTree::elidedPainting_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("elided");
    QTest::newRow("fits") << QStringLiteral("DCIM") << 300 << false;
    QTest::newRow("long") << QStringLiteral("A_very_long_folder_name_of_the_2023_summer_trip_END")
                          << 120 << true;
    QTest::newRow("long chinese") << QStringLiteral("开始这是一个非常非常非常长的文件夹名称结束")
                                  << 100 << true;
}

void TestFolderTree::elidedPainting()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(bool, elided);

    RecordingStyle style;
    FolderButton button(nullptr);
    button.setStyle(&style);
    button.setFolderName(name);
    button.resize(width, 34);
    button.grab();

    QVERIFY(!style.drawnTexts.isEmpty());
    const QString drawn = style.drawnTexts.last();
    // The button's own text is untouched; only the painting is shortened.
    QCOMPARE(button.folderName(), name);
    if (!elided) {
        QCOMPARE(drawn, QStringLiteral("  ") + name + QStringLiteral("  "));
        return;
    }
    const QChar ellipsis(0x2026);
    QVERIFY2(drawn.contains(ellipsis), qPrintable(drawn));
    QVERIFY(drawn.startsWith(QStringLiteral("  ") + name.left(1)));
    QVERIFY(drawn.endsWith(name.right(1) + QStringLiteral("  ")));
    QVERIFY(button.fontMetrics().horizontalAdvance(drawn) <= width);
}

void TestFolderTree::languageChange()
{
    FolderButton lone(nullptr);
    QWidget window;
    auto *child = new FolderButton(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QStringList english = {QStringLiteral("EN New folder"), QStringLiteral("EN Refresh"),
                                 QStringLiteral("EN Delete"), QStringLiteral("EN Rename"),
                                 QStringLiteral("EN Show in explorer")};
    MenuTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QTRY_COMPARE(menuTexts(lone.contextMenu()), english);
    QTRY_COMPARE(menuTexts(child->contextMenu()), english);
    QCOMPARE(child->action(QStringLiteral("del"))->text(), QStringLiteral("EN Delete"));

    // A button made while the language is active starts translated.
    FolderButton later(nullptr);
    QCOMPARE(menuTexts(later.contextMenu()), english);

    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(menuTexts(lone.contextMenu()), sourceTexts);
    QTRY_COMPARE(menuTexts(child->contextMenu()), sourceTexts);
}

void TestFolderTree::buttonsOfGroups()
{
    ZanFolderBtnTree tree(nullptr);
    tree.resize(300, 400);
    FolderGroupInfo info;
    info.title = QStringLiteral("Q4815(E:/)");
    info.folderNames = QStringList{QStringLiteral("ALL Photos"), QStringLiteral("Trip")};
    tree.addGroup(info);
    tree.addGroup(groupInfo(QStringLiteral("Q4815(F:/)"), 1));

    QCOMPARE(tree.count(), 2);
    QCOMPARE(tree.itemAt(0)->titleWidget()->text(), QStringLiteral("Q4815(E:/)"));
    QStringList names;
    for (int g = 0; g < tree.count(); ++g) {
        QCOMPARE(tree.itemAt(g)->id(), g);
        QVERIFY(tree.itemAt(g)->buttonGroup()->exclusive());
        for (QAbstractButton *button : tree.itemAt(g)->buttonGroup()->buttons())
            names << button->objectName();
    }
    QCOMPARE(names, (QStringList{"folderBtn_0_0", "folderBtn_0_1", "folderBtn_1_0"}));

    auto *trip = qobject_cast<FolderButton *>(folderButton(tree, 0, 1));
    QVERIFY(trip);
    QCOMPARE(trip->folderName(), QStringLiteral("Trip"));
    QCOMPARE(trip->toolTip(), QStringLiteral("Trip"));
    QCOMPARE(trip->contextMenuPolicy(), Qt::NoContextMenu);
    QCOMPARE(trip->parentWidget(), tree.itemAt(0));
    QVERIFY(!trip->isCheckable());
    QVERIFY(trip->isHidden());

    // Numbering starts again after clearing.
    tree.clearGroups();
    tree.addGroup(groupInfo(QStringLiteral("again"), 1));
    QCOMPARE(folderButton(tree, 0, 0)->objectName(), QStringLiteral("folderBtn_0_0"));
}

void TestFolderTree::folding_data()
{
    QTest::addColumn<QList<int>>("folders");
    QTest::addColumn<QList<int>>("toggles");
    QTest::addColumn<QList<int>>("tops");
    QTest::addColumn<int>("total");

    QTest::newRow("stacked folded") << QList<int>{2, 0, 5} << QList<int>{}
                                    << QList<int>{0, 42, 84} << 126;
    QTest::newRow("unfold first") << QList<int>{2, 0, 5} << QList<int>{0}
                                  << QList<int>{0, 122, 164} << 206;
    QTest::newRow("unfold empty group") << QList<int>{2, 0, 5} << QList<int>{1}
                                        << QList<int>{0, 42, 88} << 130;
    QTest::newRow("unfold last") << QList<int>{2, 0, 5} << QList<int>{2}
                                 << QList<int>{0, 42, 84} << 320;
    QTest::newRow("unfold all") << QList<int>{2, 0, 5} << QList<int>{0, 1, 2}
                                << QList<int>{0, 122, 168} << 404;
    QTest::newRow("unfold and fold") << QList<int>{2, 0, 5} << QList<int>{0, 0}
                                     << QList<int>{0, 42, 84} << 126;
    QTest::newRow("fold empty again") << QList<int>{0, 3} << QList<int>{0, 0}
                                      << QList<int>{0, 42} << 84;
}

void TestFolderTree::folding()
{
    QFETCH(QList<int>, folders);
    QFETCH(QList<int>, toggles);
    QFETCH(QList<int>, tops);
    QFETCH(int, total);

    ZanFolderBtnTree tree(nullptr);
    tree.resize(300, 600);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    for (int count : folders)
        tree.addGroup(groupInfo(QStringLiteral("g"), count));

    for (int g : toggles) {
        ZanFolderBtnItem *item = tree.itemAt(g);
        const bool wasUnfolded = item->unfolded();
        QSignalSpy unfoldSpy(item, &ZanFolderBtnItem::unfoldChang);
        QTest::mouseClick(item->foldWidget(), Qt::LeftButton);
        QCOMPARE(unfoldSpy.count(), 1);
        QCOMPARE(unfoldSpy.at(0).at(0).toInt(), g);
        QCOMPARE(unfoldSpy.at(0).at(1).toBool(), !wasUnfolded);
    }

    QCOMPARE(itemTops(tree), tops);
    QCOMPARE(tree.contentHeight(), total);
    auto *contents = tree.findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents"));
    QVERIFY(contents);
    QCOMPARE(contents->minimumHeight(), total);
    for (int g = 0; g < tree.count(); ++g) {
        ZanFolderBtnItem *item = tree.itemAt(g);
        const int n = folders.at(g);
        QCOMPARE(item->btnAreaHeight(), 38 * n + 4);
        QCOMPARE(item->height(), item->unfolded() ? 42 + 38 * n + 4 : 42);
        for (QAbstractButton *button : item->buttonGroup()->buttons())
            QCOMPARE(button->isVisible(), item->unfolded());
    }
}

void TestFolderTree::itemGeometry()
{
    ZanFolderBtnItem item(3, nullptr);
    QCOMPARE(item.setGroupInfo(260, QStringLiteral("title"), {"a", "b", "c"}), 42);
    item.setGeometry(0, 0, 260, 42);
    item.show();
    QVERIFY(QTest::qWaitForWindowExposed(&item));
    QCOMPARE(item.currentButtonId(), -1);
    QCOMPARE(item.foldWidget()->size(), QSize(20, 20));
    QCOMPARE(item.titleWidget()->parentWidget()->geometry(), QRect(0, 4, 260, 34));
    for (QAbstractButton *button : item.buttonGroup()->buttons())
        QVERIFY(button->isHidden());

    item.resize(400, 42);
    QCOMPARE(item.titleWidget()->parentWidget()->geometry(), QRect(0, 4, 400, 34));
    const QList<QAbstractButton *> buttons = item.buttonGroup()->buttons();
    for (int i = 0; i < buttons.size(); ++i) {
        QCOMPARE(item.buttonGroup()->id(buttons.at(i)), i);
        QCOMPARE(buttons.at(i)->geometry(), QRect(20, 42 + 38 * i, 360, 34));
    }

    const QIcon foldedIcon(QStringLiteral(":/images/ic_xyb.png"));
    const QIcon unfoldedIcon(QStringLiteral(":/images/ic_xyb_down.png"));
    const auto iconImage = [](const QIcon &icon) { return icon.pixmap(20, 20).toImage(); };
    QVERIFY(!iconImage(foldedIcon).isNull());
    QCOMPARE(iconImage(item.foldWidget()->icon()), iconImage(foldedIcon));

    QSignalSpy unfoldSpy(&item, &ZanFolderBtnItem::unfoldChang);
    item.unfold();
    QCOMPARE(item.height(), 42 + 38 * 3 + 4);
    QCOMPARE(iconImage(item.foldWidget()->icon()), iconImage(unfoldedIcon));
    item.unfold();
    QCOMPARE(unfoldSpy.count(), 1);
    QCOMPARE(unfoldSpy.at(0), (QList<QVariant>{3, true}));

    // The title button folds as the icon does.
    item.titleWidget()->click();
    QCOMPARE(item.height(), 42);
    QCOMPARE(iconImage(item.foldWidget()->icon()), iconImage(foldedIcon));
    QCOMPARE(unfoldSpy.count(), 2);
    QCOMPARE(unfoldSpy.at(1), (QList<QVariant>{3, false}));
}

void TestFolderTree::resizeKeepsStack()
{
    ZanFolderBtnTree tree(nullptr);
    tree.resize(300, 600);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    tree.addGroup(groupInfo(QStringLiteral("a"), 2));
    tree.addGroup(groupInfo(QStringLiteral("b"), 3));
    tree.itemAt(0)->unfold();

    tree.resize(500, 600);
    auto *area = tree.findChild<QScrollArea *>(QStringLiteral("mScrollArea"));
    QVERIFY(area);
    QCOMPARE(area->width(), 500);
    QCOMPARE(tree.itemAt(0)->geometry(), QRect(0, 0, 500, 42 + 80));
    QCOMPARE(tree.itemAt(1)->geometry(), QRect(0, 122, 500, 42));
    QCOMPARE(folderButton(tree, 0, 1)->geometry(), QRect(20, 80, 460, 34));
    QCOMPARE(tree.contentHeight(), 164);
}

void TestFolderTree::oneSelectionAcrossGroups()
{
    ZanFolderBtnTree tree(nullptr);
    tree.resize(300, 600);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    tree.addGroup(groupInfo(QStringLiteral("a"), 2));
    tree.addGroup(groupInfo(QStringLiteral("b"), 3));
    tree.itemAt(0)->unfold();
    tree.itemAt(1)->unfold();

    QStringList order;
    QList<int> checkedAtRender;
    // The probe goes in front of the tree's own slot to see the item's signal first.
    ZanFolderBtnItem *second = tree.itemAt(1);
    QVERIFY(disconnect(second, &ZanFolderBtnItem::zanFolderBtnClicked, &tree,
                       &ZanFolderBtnTree::delClickSolt));
    connect(second, &ZanFolderBtnItem::zanFolderBtnClicked, [&](int g, int b) {
        order << QStringLiteral("item %1 %2").arg(g).arg(b);
    });
    connect(second, &ZanFolderBtnItem::zanFolderBtnClicked, &tree, &ZanFolderBtnTree::delClickSolt);
    connect(&tree, &ZanFolderBtnTree::renderZanFolderBtnInfo, [&](int g, int b) {
        order << QStringLiteral("tree %1 %2").arg(g).arg(b);
        checkedAtRender << checkedButtons(tree).size();
    });

    QTest::mouseClick(folderButton(tree, 0, 1), Qt::LeftButton);
    QCOMPARE(checkedButtons(tree), QStringList{"folderBtn_0_1"});
    QCOMPARE(tree.itemAt(0)->currentButtonId(), 1);

    order.clear();
    checkedAtRender.clear();
    QTest::mouseClick(folderButton(tree, 1, 2), Qt::LeftButton);
    QCOMPARE(order, (QStringList{"item 1 2", "tree 1 2"}));
    // The old selection is gone before the new one is reported.
    QCOMPARE(checkedAtRender, QList<int>{1});
    QCOMPARE(checkedButtons(tree), QStringList{"folderBtn_1_2"});
    QVERIFY(!folderButton(tree, 0, 1)->isCheckable());
    QCOMPARE(tree.itemAt(0)->currentButtonId(), -1);
    QCOMPARE(tree.itemAt(1)->currentButtonId(), 2);

    // Back to the first group: its button can be selected again.
    QTest::mouseClick(folderButton(tree, 0, 1), Qt::LeftButton);
    QCOMPARE(checkedButtons(tree), QStringList{"folderBtn_0_1"});
}

void TestFolderTree::selectionWithinGroup()
{
    ZanFolderBtnTree tree(nullptr);
    tree.resize(300, 600);
    tree.addGroup(groupInfo(QStringLiteral("a"), 3));
    QSignalSpy render(&tree, &ZanFolderBtnTree::renderZanFolderBtnInfo);

    folderButton(tree, 0, 0)->click();
    folderButton(tree, 0, 2)->click();
    QCOMPARE(checkedButtons(tree), QStringList{"folderBtn_0_2"});
    // Clicking the selected button keeps it selected.
    folderButton(tree, 0, 2)->click();
    QCOMPARE(checkedButtons(tree), QStringList{"folderBtn_0_2"});
    QCOMPARE(render.count(), 3);
    QCOMPARE(render.at(2), (QList<QVariant>{0, 2}));
}

void TestFolderTree::clickSignalOrder_data()
{
    QTest::addColumn<QByteArray>("groupSignal");
    QTest::newRow("idClicked") << QByteArray(SIGNAL(idClicked(int)));
    QTest::newRow("buttonClicked(int)") << QByteArray(SIGNAL(buttonClicked(int)));
}

void TestFolderTree::clickSignalOrder()
{
    QFETCH(QByteArray, groupSignal);
    ZanFolderBtnTree tree(nullptr);
    tree.resize(300, 600);
    tree.addGroup(groupInfo(QStringLiteral("a"), 1));
    tree.addGroup(groupInfo(QStringLiteral("b"), 3));
    ZanFolderBtnItem *item = tree.itemAt(1);

    // Listeners connected after the item was built, as any user's are.
    QStringList events;
    ClickRecorder recorder(&events);
    QVERIFY(connect(item->buttonGroup(), groupSignal.constData(), &recorder,
                    SLOT(groupClicked(int))));
    // The item's report is noted before the tree's slot handles it.
    QVERIFY(disconnect(item, &ZanFolderBtnItem::zanFolderBtnClicked, &tree,
                       &ZanFolderBtnTree::delClickSolt));
    connect(item, &ZanFolderBtnItem::zanFolderBtnClicked, [&](int g, int b) {
        events << QStringLiteral("item %1 %2").arg(g).arg(b);
    });
    connect(item, &ZanFolderBtnItem::zanFolderBtnClicked, &tree, &ZanFolderBtnTree::delClickSolt);
    connect(&tree, &ZanFolderBtnTree::renderZanFolderBtnInfo, [&](int g, int b) {
        events << QStringLiteral("tree %1 %2").arg(g).arg(b);
    });

    folderButton(tree, 1, 2)->click();
    QCOMPARE(events, (QStringList{"group 2", "item 1 2", "tree 1 2"}));
}

void TestFolderTree::headerClickKeepsSelection()
{
    ZanFolderBtnTree tree(nullptr);
    tree.resize(300, 600);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    tree.addGroup(groupInfo(QStringLiteral("a"), 2));
    tree.addGroup(groupInfo(QStringLiteral("b"), 1));
    tree.selectGroup(0);
    QCOMPARE(checkedButtons(tree), QStringList{"folderBtn_0_0"});

    QSignalSpy render(&tree, &ZanFolderBtnTree::renderZanFolderBtnInfo);
    QTest::mouseClick(tree.itemAt(0)->titleWidget(), Qt::LeftButton);
    QVERIFY(!tree.itemAt(0)->unfolded());
    QCOMPARE(tree.itemAt(1)->y(), 42);
    QCOMPARE(checkedButtons(tree), QStringList{"folderBtn_0_0"});
    QCOMPARE(render.count(), 0);
}

void TestFolderTree::selectGroup()
{
    ZanFolderBtnTree tree(nullptr);
    tree.resize(300, 600);
    QSignalSpy render(&tree, &ZanFolderBtnTree::renderZanFolderBtnInfo);
    tree.selectGroup(0);
    QCOMPARE(render.count(), 0);
    QVERIFY(tree.isEmpty());

    tree.addGroup(groupInfo(QStringLiteral("a"), 2));
    tree.addGroup(groupInfo(QStringLiteral("b"), 2));
    QVERIFY(!tree.isEmpty());
    folderButton(tree, 1, 1)->click();
    render.clear();

    QSignalSpy unfoldSpy(tree.itemAt(0), &ZanFolderBtnItem::unfoldChang);
    tree.selectGroup(0);
    QVERIFY(tree.itemAt(0)->unfolded());
    QCOMPARE(tree.itemAt(1)->y(), 42 + 80);
    QCOMPARE(checkedButtons(tree), QStringList{"folderBtn_0_0"});
    QCOMPARE(render.count(), 1);
    QCOMPARE(render.at(0), (QList<QVariant>{0, 0}));
    QCOMPARE(tree.itemAt(0)->currentButtonId(), -1);
    QCOMPARE(tree.itemAt(1)->currentButtonId(), -1);

    tree.selectGroup(0);
    QCOMPARE(unfoldSpy.count(), 1);
    QCOMPARE(tree.itemAt(1)->y(), 42 + 80);
    QCOMPARE(render.count(), 2);
    QCOMPARE(checkedButtons(tree), QStringList{"folderBtn_0_0"});
}

void TestFolderTree::selectGroupOutOfRange_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("unfolds");
    QTest::newRow("negative") << -1 << false;
    QTest::newRow("past the end") << 2 << false;
    QTest::newRow("group without folders") << 1 << true;
}

void TestFolderTree::selectGroupOutOfRange()
{
    QFETCH(int, index);
    QFETCH(bool, unfolds);

    ZanFolderBtnTree tree(nullptr);
    tree.resize(300, 600);
    tree.addGroup(groupInfo(QStringLiteral("a"), 2));
    tree.addGroup(groupInfo(QStringLiteral("empty"), 0));
    folderButton(tree, 0, 1)->click();
    QSignalSpy render(&tree, &ZanFolderBtnTree::renderZanFolderBtnInfo);

    tree.selectGroup(index);
    // Nothing to select means nothing to report.
    QCOMPARE(render.count(), 0);
    if (unfolds) {
        QVERIFY(tree.itemAt(index)->unfolded());
        QCOMPARE(tree.contentHeight(), 42 + 42 + 4);
    } else {
        QCOMPARE(checkedButtons(tree), QStringList{"folderBtn_0_1"});
        QCOMPARE(tree.contentHeight(), 84);
    }
}

void TestFolderTree::uncheckAll()
{
    ZanFolderBtnTree tree(nullptr);
    tree.resize(300, 600);
    tree.addGroup(groupInfo(QStringLiteral("a"), 2));
    tree.addGroup(groupInfo(QStringLiteral("b"), 2));
    folderButton(tree, 1, 0)->click();
    QSignalSpy render(&tree, &ZanFolderBtnTree::renderZanFolderBtnInfo);

    tree.uncheckAll();
    QCOMPARE(checkedButtons(tree), QStringList());
    QCOMPARE(tree.itemAt(1)->currentButtonId(), -1);
    QVERIFY(!folderButton(tree, 1, 0)->isCheckable());
    QCOMPARE(render.count(), 0);
    tree.uncheckAll();
    QCOMPARE(checkedButtons(tree), QStringList());

    // The same button can be chosen again afterwards.
    folderButton(tree, 1, 0)->click();
    QCOMPARE(checkedButtons(tree), QStringList{"folderBtn_1_0"});
    QCOMPARE(render.count(), 1);
}

void TestFolderTree::unknownGroupIgnored_data()
{
    QTest::addColumn<int>("groupId");
    QTest::newRow("negative") << -1;
    QTest::newRow("count") << 2;
    QTest::newRow("far beyond") << 99;
}

void TestFolderTree::unknownGroupIgnored()
{
    QFETCH(int, groupId);
    ZanFolderBtnTree tree(nullptr);
    tree.resize(300, 600);
    tree.addGroup(groupInfo(QStringLiteral("a"), 2));
    tree.addGroup(groupInfo(QStringLiteral("b"), 2));

    tree.delUnfoldChang(groupId, true);
    QCOMPARE(itemTops(tree), (QList<int>{0, 42}));
    QCOMPARE(tree.contentHeight(), 84);
}

void TestFolderTree::clearGroups()
{
    ZanFolderBtnTree tree(nullptr);
    tree.resize(300, 600);
    tree.addGroup(groupInfo(QStringLiteral("a"), 2));
    tree.addGroup(groupInfo(QStringLiteral("b"), 2));
    tree.selectGroup(1);
    QPointer<ZanFolderBtnItem> old = tree.itemAt(0);

    tree.clearGroups();
    QVERIFY(tree.isEmpty());
    QCOMPARE(tree.count(), 0);
    QCOMPARE(tree.contentHeight(), 0);
    QCOMPARE(tree.findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents"))->minimumHeight(), 0);
    QVERIFY(old);
    QVERIFY(old->isHidden());
    QTRY_VERIFY(!old);

    tree.addGroup(groupInfo(QStringLiteral("c"), 1));
    QCOMPARE(tree.itemAt(0)->id(), 0);
    QCOMPARE(tree.itemAt(0)->y(), 0);
    QCOMPARE(tree.contentHeight(), 42);
}

VELK_TEST_MAIN(TestFolderTree)
#include "tst_foldertree.moc"
