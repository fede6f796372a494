#include "editor/menu/MenuModel.h"

#include "core/text/CopyAs.h"
#include "core/text/Translation.h"

namespace qhe {
namespace {

MenuEntry Item(std::string name, std::string caption, std::string shortcut = {}, int tag = 1, int help = 0) {
    return MenuEntry{std::move(name), std::move(caption), std::move(shortcut), tag, help, {}, false, false};
}

MenuEntry Sep(MenuEntry entry) {
    entry.separatorBefore = true;
    return entry;
}

MenuEntry Menu(std::string name, std::string caption, int help, std::vector<MenuEntry> children,
               int tag = 0) {
    return MenuEntry{
        std::move(name), std::move(caption), {}, tag, help, std::move(children), false, false, true};
}

// "复制为(&A)": one item per format, named CopyAsFormat0, CopyAsFormat1 ...
std::vector<MenuEntry> CopyAsItems() {
    std::vector<MenuEntry> items;
    for (int i = 0; i < kCopyAsFormats; ++i)
        items.push_back(Item("CopyAsFormat" + std::to_string(i),
                             std::string(CopyAsCaption(static_cast<CopyAsFormat>(i)))));
    return items;
}

std::vector<MenuEntry> BuildMainMenu() {
    // The bookmark menu as a whole needs a Document; its items follow the list and the menu-open rule.
    std::vector<MenuEntry> bookmarks = {
        Item("Add1", QHE_TR_NOOP("Menu", "添加(&A)..."), {}, 0),
        Item("Remove1", QHE_TR_NOOP("Menu", "移除(&R)..."), {}, 0),
        Item("Removeall1", QHE_TR_NOOP("Menu", "移除全部(&E)"), {}, 0),
        Sep(Item("Savetofile1", QHE_TR_NOOP("Menu", "保存到文件(&S)..."), {}, 0)),
        Item("Loadfromfile1", QHE_TR_NOOP("Menu", "加载从文件(&L)..."), {}, 0)};
    for (int i = 1; i <= 9; ++i) {
        MenuEntry mark = Item("Bookmark" + std::to_string(i), "", {}, 0);
        mark.hidden = true;
        if (i == 1) mark.separatorBefore = true;
        bookmarks.push_back(mark);
    }
    return {
        Menu("File1", QHE_TR_NOOP("Menu", "文件(&F)"), 11,
             {Item("New1", QHE_TR_NOOP("Menu", "新建(&N)"), "Ctrl+N", 0),
              Item("Open1", QHE_TR_NOOP("Menu", "打开(&O)..."), "Ctrl+O", 0),
              Item("Reload1", QHE_TR_NOOP("Menu", "重新加载(&L)"), "Ctrl+L"),
              Menu("Reopen1", QHE_TR_NOOP("Menu", "重新打开(&R)"), 0, {}),
              Sep(Item("Save1", QHE_TR_NOOP("Menu", "保存(&S)"), "Ctrl+S")),
              Item("SaveAs1", QHE_TR_NOOP("Menu", "另存为(&A)..."), "Ctrl+Shift+S"),
              Item("Close1", QHE_TR_NOOP("Menu", "关闭(&C)")),
              Sep(Item("Insertfile1", QHE_TR_NOOP("Menu", "插入(&I)..."))),
              Item("Writeblock1", QHE_TR_NOOP("Menu", "写入块(&W)...")),
              Sep(Item("Print1", QHE_TR_NOOP("Menu", "打印(&P)..."), "Ctrl+P", 1, 64)),
              Sep(Item("Exit1", QHE_TR_NOOP("Menu", "退出(&E)"), "Ctrl+Q", 0))}),
        Menu("Edit1", QHE_TR_NOOP("Menu", "编辑(&E)"), 12,
             {Item("Undo1", QHE_TR_NOOP("Menu", "撤销(&Z)"), "Ctrl+Z"),
              Item("Redo1", QHE_TR_NOOP("Menu", "重做(&Y)"), "Ctrl+Y; Ctrl+Shift+Z"),
              Sep(Item("Insert1", QHE_TR_NOOP("Menu", "插入字符串(&I)..."), {}, 1, 50)),
              Item("Overwritestring1", QHE_TR_NOOP("Menu", "覆盖字符串(&W)...")),
              Sep(Item("Blockmark1", QHE_TR_NOOP("Menu", "块标记(&M)"), "Ctrl+B", 1, 56)),
              Item("Blocknchars1", QHE_TR_NOOP("Menu", "标记块所包含的字符个数(&N) "), {}, 1, 56),
              Item("Blockall1", QHE_TR_NOOP("Menu", "全部标记为块(&L)"), "Ctrl+A", 1, 56),
              Item("Blockunmark1", QHE_TR_NOOP("Menu", "撤消块标记(&U)"), "Ctrl+U"),
              Item("Blockdelete1", QHE_TR_NOOP("Menu", "块删除(&D)"), "Ctrl+D"),
              Item("Blockcopy1", QHE_TR_NOOP("Menu", "块复制(&C)"), "Ctrl+K"),
              Item("Blockcopyovwr1", QHE_TR_NOOP("Menu", "块复制/覆盖(&O)"), "Ctrl+W"),
              Item("Blockmove1", QHE_TR_NOOP("Menu", "块移动(&V)"), "Ctrl+M"),
              Sep(Menu("Clipboard1", QHE_TR_NOOP("Menu", "剪贴板(&B)"), 0,
                       {Item("Cut1", QHE_TR_NOOP("Menu", "剪切"), "Ctrl+X"),
                        Item("Copy1", QHE_TR_NOOP("Menu", "复制"), "Ctrl+C"),
                        Item("Paste1", QHE_TR_NOOP("Menu", "粘贴"), "Ctrl+V"),
                        Item("Copyhex1", QHE_TR_NOOP("Menu", "复制为十六进制字符串"), "Ctrl+H"),
                        Item("Pastefromhexstring1", QHE_TR_NOOP("Menu", "粘贴从十六进制字符串")),
                        Item("Pastefrombase641", QHE_TR_NOOP("Menu", "粘贴从 base64"))},
                       1)),
              Menu("CopyAs1", QHE_TR_NOOP("Menu", "复制为(&A)"), 0, CopyAsItems(), 1),
              Sep(Item("Deletefromcursor1", QHE_TR_NOOP("Menu", "删除从指针(&F)"))),
              Item("Deletetocursor1", QHE_TR_NOOP("Menu", "删除到指针(&T)"))}),
        Menu("Search1", QHE_TR_NOOP("Menu", "搜索(&S)"), 13,
             {Item("Find1", QHE_TR_NOOP("Menu", "查找(&F)..."), "Ctrl+F", 1, 51),
              Item("Findagaindown1", QHE_TR_NOOP("Menu", "再次向下查找(&D)"), "F3", 1, 51),
              Item("Findagainup1", QHE_TR_NOOP("Menu", "再次向上查找(&U)"), "Shift+F3", 1, 51),
              Item("Count1", QHE_TR_NOOP("Menu", "统计(&C)..."), {}, 1, 52),
              Sep(Item("Replace1", QHE_TR_NOOP("Menu", "替换(&R)..."), "Ctrl+R", 1, 53)),
              Item("Replaceagaindown1", QHE_TR_NOOP("Menu", "再次向下替换(&A)"), "F4", 1, 53),
              Item("Replaceundo1", QHE_TR_NOOP("Menu", "撤销替换(&U)"), {}, 1, 53),
              Sep(Item("Charconversion1", QHE_TR_NOOP("Menu", "字符转换(&H)..."), {}, 1, 60))}),
        Menu("Address1", QHE_TR_NOOP("Menu", "地址(&A)"), 14,
             {Item("Goto1", QHE_TR_NOOP("Menu", "转到(&G)..."), "Ctrl+G"),
              Sep(Item("Jumpwidth1", QHE_TR_NOOP("Menu", "同步跳宽(&W)..."))),
              Item("Jumpdown1", QHE_TR_NOOP("Menu", "向下跳转(&D)"), "F5"),
              Item("Jumpup1", QHE_TR_NOOP("Menu", "向上跳转(&U)"), "Shift+F5"),
              Sep(Item("Rememberaddress1", QHE_TR_NOOP("Menu", "标记地址(&R)"))),
              Item("Gotoremembered1", QHE_TR_NOOP("Menu", "转到已标记(&M)")),
              Item("Displaydifference1", QHE_TR_NOOP("Menu", "显示差异(&F)..."))}),
        Menu("Bookmarks1", QHE_TR_NOOP("Menu", "书签(&B)"), 0, bookmarks, 1),
        Menu("Tools1", QHE_TR_NOOP("Menu", "工具(&T)"), 15,
             {Item("ModusText1", QHE_TR_NOOP("Menu", "文本模式(&T)"), {}, 0),
              Item("ModusOverwrite1", QHE_TR_NOOP("Menu", "覆盖(&V)"), {}, 0),
              Item("DataInspector1", QHE_TR_NOOP("Menu", "数据查看窗(&I)"), {}, 0),
              Sep(Item("Decode1", QHE_TR_NOOP("Menu", "数字解码(&D)..."))),
              Item("Encode1", QHE_TR_NOOP("Menu", "数字编码(&E)...")),
              Item("Bitmanipulation1", QHE_TR_NOOP("Menu", "Bit 编辑(&B)...")),
              Item("CalculateCRC321", QHE_TR_NOOP("Menu", "循环冗余校验(&C)...")),
              Item("Hashes1", QHE_TR_NOOP("Menu", "哈希值(&H)..."), {}, 1, 88),
              Item("Patch1", QHE_TR_NOOP("Menu", "&Patch BP 7.0 EXE")),
              Sep(Item("Comparefiles1", QHE_TR_NOOP("Menu", "比较文件(&F)..."), {}, 0)),
              Sep(Item("Options1", QHE_TR_NOOP("Menu", "选项(&O)..."), {}, 0))}),
        Menu("Script1", QHE_TR_NOOP("Menu", "QHE 脚本(&X)"), 80,
             {Item("Editor1", QHE_TR_NOOP("Menu", "编辑器(&E)..."), {}, 0),
              Item("Executeactive1", QHE_TR_NOOP("Menu", "执行激活(&X)"), "Ctrl+F9", 0)}),
        Menu("Help1", QHE_TR_NOOP("Menu", "帮助(&H)"), 16,
             {Item("Contents1", QHE_TR_NOOP("Menu", "目录(&C)"), {}, 0),
              Item("Info1", QHE_TR_NOOP("Menu", "关于(&A)..."), {}, 0)}),
    };
}

std::vector<MenuEntry> BuildToolButtons() {
    return {Item("QZBtnNew", QHE_TR_NOOP("Menu", "新建文件"), {}, 0),
            Item("QZBtnOpen", QHE_TR_NOOP("Menu", "打开"), {}, 0),
            Item("QZBtnSave", QHE_TR_NOOP("Menu", "保存")),
            Item("QZBtnDel", QHE_TR_NOOP("Menu", "删除块")),
            Item("QZBtnCut", QHE_TR_NOOP("Menu", "剪切到剪贴板")),
            Item("QZBtnCopy", QHE_TR_NOOP("Menu", "复制到剪贴板")),
            Item("QZBtnPaste", QHE_TR_NOOP("Menu", "从剪贴板粘贴")),
            Item("QZBtnUndo", QHE_TR_NOOP("Menu", "撤销")),
            Item("QZBtnRedo", QHE_TR_NOOP("Menu", "重做")),
            Item("QZBtnFind", QHE_TR_NOOP("Menu", "查找")),
            Item("QZBtnReplace", QHE_TR_NOOP("Menu", "替换")),
            Item("QZBtnCompare", QHE_TR_NOOP("Menu", "比较文件"), {}, 0),
            Item("QZBtnOptions", QHE_TR_NOOP("Menu", "选项"), {}, 0),
            Item("QZBtnInfo", QHE_TR_NOOP("Menu", "关于"), {}, 0),
            Item("QZBtnWhats", QHE_TR_NOOP("Menu", "这是'什么?"), {}, 0)};
}

} // namespace

const std::string& CaptionOf(const MenuEntry& entry) {
    return Tr("Menu", entry.caption.c_str());
}

const std::vector<MenuEntry>& MainMenu() {
    static const std::vector<MenuEntry> menu = BuildMainMenu();
    return menu;
}

const std::vector<MenuEntry>& ToolButtons() {
    static const std::vector<MenuEntry> buttons = BuildToolButtons();
    return buttons;
}

} // namespace qhe
