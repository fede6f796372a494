#include "gui/help/HelpTopics.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>

#include <map>
#include <set>

#include <gtest/gtest.h>

#include "FakeUi.h"
#include "TempDir.h"
#include "editor/blocks/BlockLength.h"
#include "editor/clipboard/InsertDialogModel.h"
#include "editor/file/SendToShortcut.h"
#include "editor/menu/MenuModel.h"
#include "editor/search/FindDialogModel.h"
#include "editor/search/ReplaceDialogModel.h"
#include "editor/tools/CharConversion.h"
#include "editor/tools/NumberTools.h"
#include "gui/FormMain.h"
#include "gui/dialogs/NavigationDialogs.h"
#include "gui/dialogs/TFormCharTable.h"
#include "gui/dialogs/TFormOpt.h"
#include "gui/dialogs/ToolDialogs.h"
#include "gui/help/HelpWindow.h"

namespace qhe {
namespace {

// The popup text the main window gives a part of itself for a context.
QString Popup(int context) {
    const HelpTopic& topic = HelpTopicFor(context);
    return QString("<b>%1</b><br>%2")
        .arg(QString::fromStdString(topic.title), QString::fromStdString(topic.body));
}

void AddMenuContexts(const std::vector<MenuEntry>& entries, std::set<int>& used) {
    for (const MenuEntry& entry : entries) {
        if (entry.helpContext != 0) used.insert(entry.helpContext);
        AddMenuContexts(entry.children, used);
    }
}

// Clicks a dialog's help button and answers the context it asked for.
template <class Dialog> int HelpOf(Dialog& dialog, int& asked) {
    asked = -1;
    dialog.template findChild<QPushButton*>("ButtonHelp")->click();
    return asked;
}

// Every context number the program asks for, gathered where the program asks: menus, the
// command layer's dialogs, the help buttons of the tool dialogs and the options pages.
std::set<int> ContextsOfMenusAndDialogs() {
    std::set<int> used;
    AddMenuContexts(MainMenu(), used);
    used.insert({FindDialogHelpContext(false), FindDialogHelpContext(true), kHelpReplace,
                 InsertDialogHelpContext(false), InsertDialogHelpContext(true), kHelpBlockN,
                 kGotoDialog.helpContext, kBlockLengthDialog.helpContext});
    used.insert(14); // the address difference memo

    test::FakeUi ui;
    EditorState state{ui};
    EXPECT_TRUE(state.doc.Allocate());
    EXPECT_TRUE(state.doc.InsertGap(1, 1));
    state.doc.IsOpen = true;
    int asked = -1;
    auto record = [&asked](int context) { asked = context; };
    BitDialogModel bit(state);
    TFormBit bitDialog(bit, record);
    used.insert(HelpOf(bitDialog, asked));
    EncodeDialogModel encode(state, "");
    TFormEncode encodeDialog(encode, record);
    used.insert(HelpOf(encodeDialog, asked));
    CharTableDialogModel table(state);
    TFormCharTable tableDialog(table, record);
    used.insert(HelpOf(tableDialog, asked));

    test::TempDir dir;
    SendToShortcut sendTo(ui, "/opt/qhe32/qhe32", dir.Path());
    TFormOpt options(OptionsValues{}, 0, sendTo, QSize(60, 40), record);
    for (int page = 0; page < options.Pages()->count(); ++page) {
        options.Pages()->setCurrentIndex(page);
        asked = -1;
        options.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
        used.insert(asked);
    }
    // Controls of the insert dialog, the print preview and the script window.
    used.insert({20, 21, 22, 87, 65, 71, 75});
    used.erase(-1); // a help button that asked nothing is reported by the lookups below
    return used;
}

TEST(HelpTopics, EveryContextTheProgramUsesHasItsOwnTopic) {
    const std::set<int> used = ContextsOfMenusAndDialogs();
    EXPECT_GE(used.size(), 25u);
    HelpWindow window;
    auto* browser = window.findChild<QTextBrowser*>();
    const QString contentsTitle = QString::fromStdString(HelpTopics().at(0).title);
    for (int context : used) {
        SCOPED_TRACE(context);
        ASSERT_EQ(HelpTopics().count(context), 1u);
        window.ShowTopic(context);
        const QString page = browser->toPlainText();
        EXPECT_TRUE(page.contains(QString::fromStdString(HelpTopics().at(context).title)));
        EXPECT_FALSE(page.contains(contentsTitle));
    }
    // No two topics alike, so none is a copy standing in for another.
    std::set<std::string> titles;
    for (const auto& [context, topic] : HelpTopics())
        EXPECT_TRUE(titles.insert(topic.title).second) << context;
}

// The "what's this" popups of the main window (tool bar, panes, address column, status panels,
// menus) each show a topic of their own, never the contents.
TEST(HelpTopics, EveryPopupOfTheMainWindowHasItsOwnTopic) {
    std::map<QString, int> byText;
    for (const auto& [context, topic] : HelpTopics())
        byText[Popup(context)] = context;
    TFormMain window({});
    int popups = 0;
    auto check = [&](const QString& text, const QString& owner) {
        if (text.isEmpty()) return;
        ++popups;
        SCOPED_TRACE(owner.toStdString());
        auto it = byText.find(text);
        ASSERT_NE(it, byText.end());
        EXPECT_NE(it->second, 0);
    };
    for (QWidget* widget : window.findChildren<QWidget*>())
        check(widget->whatsThis(), widget->objectName());
    for (QAction* action : window.findChildren<QAction*>())
        check(action->whatsThis(), action->objectName());
    EXPECT_GE(popups, 20);

    // Each status panel's popup speaks of what that panel shows.
    auto panel = [&](int i) {
        return window.findChild<QLabel*>(QString("StatusPanel%1").arg(i))->whatsThis();
    };
    EXPECT_TRUE(panel(0).contains("地址"));
    EXPECT_TRUE(panel(1).contains("十进制字符"));
    EXPECT_TRUE(panel(2).contains("插入") && panel(2).contains("覆盖"));
    EXPECT_TRUE(panel(3).contains("提示"));
}

} // namespace
} // namespace qhe
