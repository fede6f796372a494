#include "gui/help/HelpTopics.h"

#include "core/text/Translation.h"

namespace qhe {
namespace {

struct TopicSource {
    int context;
    const char* title;
    const char* body;
};

constexpr TopicSource kTopics[] = {
    {0, QHE_TR_NOOP("Help", "QHE32 帮助目录"),
     QHE_TR_NOOP("Help",
                 "QHE32 是一个十六进制编辑器: 整个文件保存在内存中, 以地址栏、十六进制窗格和文本窗格显示。"
                 "请选择一个主题。")},
    {8, QHE_TR_NOOP("Help", "工具栏"),
     QHE_TR_NOOP(
         "Help",
         "工具栏的按钮执行最常用的命令: 新建、打开、保存、删除块、剪切、复制、粘贴、查找、替换、选项、关于和"
         "“这是什么?”。把鼠标停在按钮上可以看到提示。")},
    {9, QHE_TR_NOOP("Help", "Bit 编辑"),
     QHE_TR_NOOP("Help", "显示光标所在字节的 8 个位 (左边是位 7, 右边是位 0), 可以逐个切换, "
                         "也可以全部选中、全部取消或全部切换; "
                         "标签同时显示十进制、十六进制和二进制的值。“设置”把新值写回该字节并关闭对话框, "
                         "“重读”重新读入当前地址的字节, “取消”不写入任何内容。")},
    {11, QHE_TR_NOOP("Help", "文件菜单"),
     QHE_TR_NOOP("Help", "新建、打开、重新加载、保存、另存为和关闭文件; 插入文件、写入块、打印和退出。"
                         "修改过的文件在被替换或关闭之前会询问是否保存。保存时先写入同一文件夹中的临时文件, "
                         "完成后才替换原文件, 所以失败或取消的保存不会破坏原文件。")},
    {12, QHE_TR_NOOP("Help", "编辑菜单"),
     QHE_TR_NOOP("Help",
                 "插入或覆盖字符串, 标记、删除、复制、移动块, 剪贴板操作, 以及删除从指针或到指针的内容。")},
    {13, QHE_TR_NOOP("Help", "搜索菜单"),
     QHE_TR_NOOP("Help", "查找、再次查找、统计、替换、撤销替换和字符转换。")},
    {14, QHE_TR_NOOP("Help", "地址菜单"),
     QHE_TR_NOOP("Help", "转到地址, 同步跳宽, 标记地址并转到已标记的地址, 显示两个地址的差异。")},
    {15, QHE_TR_NOOP("Help", "工具菜单"),
     QHE_TR_NOOP("Help",
                 "文本模式和覆盖模式的切换, 数据查看窗, 数字解码和编码, Bit 编辑, 循环冗余校验以及选项。")},
    {16, QHE_TR_NOOP("Help", "帮助菜单"),
     QHE_TR_NOOP("Help", "目录显示本帮助; 关于显示版本以及当前文件的大小和已分配的内存。")},
    {17, QHE_TR_NOOP("Help", "选项: 常规"),
     QHE_TR_NOOP("Help", "首字节的偏移量 (地址从 0 或 1 开始), 保存时保留文件原来的日期/时间, "
                         "重新打开历史记录的长度 (1 到 9), "
                         "以及新建文件时是否包含一个 EOF 字符。")},
    {20, QHE_TR_NOOP("Help", "插入: 文本字符串"),
     QHE_TR_NOOP("Help", "把输入的文本作为字节串: "
                         "每个字符写成一个字节。选中“作为Unicode”时每个字符写成两个字节 (UTF-16)。")},
    {21, QHE_TR_NOOP("Help", "插入: Hex 字符串"),
     QHE_TR_NOOP("Help",
                 "以十六进制数字对输入字节串, 例如 41 42 0D 0A。每个字节两个数字, 数字之间可以有空格。")},
    {22, QHE_TR_NOOP("Help", "插入: 文本 -> Hex"),
     QHE_TR_NOOP(
         "Help",
         "把文本字段中的文本转换成十六进制字节串, 放入 Hex 字段并选中 Hex 字符串, 以便逐个字节修改。")},
    {35, QHE_TR_NOOP("Help", "状态栏: 地址"),
     QHE_TR_NOOP("Help", "光标所在字节的地址。文本窗格激活时以十进制显示 (带千位分隔符), "
                         "十六进制窗格激活时以十六进制显示。")},
    {36, QHE_TR_NOOP("Help", "状态栏: 字节值"),
     QHE_TR_NOOP("Help", "光标所在字节的值, 以十进制显示 (“十进制字符”后面的数字, 0 到 255)。")},
    {37, QHE_TR_NOOP("Help", "状态栏: 插入/覆盖"),
     QHE_TR_NOOP("Help", "当前的输入模式: “插入”时输入的字节插入到光标之前, “覆盖”时替换光标处的字节。"
                         "用 Insert 键或工具菜单的“覆盖”切换。")},
    {38, QHE_TR_NOOP("Help", "状态栏: 提示"),
     QHE_TR_NOOP("Help",
                 "菜单项和按钮的提示, 较长操作进行时的说明, 以及文件状态 (例如文件以只读模式打开)。")},
    {39, QHE_TR_NOOP("Help", "文本窗格"),
     QHE_TR_NOOP("Help",
                 "每个字节显示为一个字符。在文本窗格中输入字符会写入对应的字节。Tab 键切换到十六进制窗格。")},
    {40, QHE_TR_NOOP("Help", "十六进制窗格"),
     QHE_TR_NOOP("Help",
                 "每个字节显示为两个十六进制数字。输入两个十六进制数字写入一个字节; Esc 取消未完成的数字。"
                 "Tab 键切换到文本窗格。")},
    {50, QHE_TR_NOOP("Help", "插入字符串"),
     QHE_TR_NOOP(
         "Help",
         "在光标之前插入文本或十六进制字节串, 可以重复多次 (“插入 <n> 次数”, 数字前加 $ 表示十六进制)。")},
    {51, QHE_TR_NOOP("Help", "查找"),
     QHE_TR_NOOP("Help", "查找文本或十六进制字节串, 向下或向上, 从光标、开始或结束处开始; 可以区分大小写, "
                         "并可以使用一个通配字节。"
                         "F3 向下、Shift+F3 向上再次查找。")},
    {52, QHE_TR_NOOP("Help", "统计"),
     QHE_TR_NOOP("Help", "统计文件中字节串出现的次数, 查找条件与“查找”相同。")},
    {53, QHE_TR_NOOP("Help", "替换"),
     QHE_TR_NOOP(
         "Help",
         "用另一个字节串替换找到的字节串, 一次 (F4 再次替换) 或全部替换; 新字节串可以更短、更长或为空。"
         "最后一次单个替换可以撤销。")},
    {54, QHE_TR_NOOP("Help", "转到地址"),
     QHE_TR_NOOP(
         "Help",
         "输入地址, 以十进制或十六进制 (前加 $); 执行模式为绝对地址, 或从光标向下、向上的相对距离。")},
    {55, QHE_TR_NOOP("Help", "数字编码"),
     QHE_TR_NOOP(
         "Help",
         "把数字按选定的类型 (整数或浮点数) 和字节顺序编成字节, 显示在“这里”, 或插入、覆盖到光标处。")},
    {56, QHE_TR_NOOP("Help", "块标记"),
     QHE_TR_NOOP("Help", "用 Ctrl+B 标记块的开始和结束, 或按住 Shift 移动光标标记; "
                         "“标记块所包含的字符个数”从光标起标记 n 个字节。")},
    {60, QHE_TR_NOOP("Help", "字符转换"),
     QHE_TR_NOOP("Help",
                 "用 256 项的转换表转换整个文件或块的字节; 表可以编辑, 保存为 .qct 文件并重新加载。")},
    {64, QHE_TR_NOOP("Help", "打印"),
     QHE_TR_NOOP("Help", "打印十六进制转储的全部或块, 可以预览, 也可以输出到文本文件。")},
    {65, QHE_TR_NOOP("Help", "打印预览"),
     QHE_TR_NOOP("Help", "逐页查看打印结果: 翻页、调整缩放, 打印本页或全部页, 或者不打印而退出。")},
    {70, QHE_TR_NOOP("Help", "地址栏"),
     QHE_TR_NOOP("Help", "每一行第一个字节的地址 (十六进制)。起始地址可以是 0 或 1 (选项)。")},
    {71, QHE_TR_NOOP("Help", "脚本编辑器"),
     QHE_TR_NOOP("Help", "编辑、打开和保存 QHE 脚本 (.qsc); 插入命令菜单插入命令模板。")},
    {72, QHE_TR_NOOP("Help", "覆盖字符串"),
     QHE_TR_NOOP("Help", "从光标处起用文本或十六进制字节串覆盖文件中的字节; 文件的大小不变。")},
    {75, QHE_TR_NOOP("Help", "脚本检查和执行"),
     QHE_TR_NOOP("Help",
                 "“语法检查”只检查脚本而不改动文件; “执行”先检查, 没有错误时再逐行执行。执行时可以取消。")},
    {80, QHE_TR_NOOP("Help", "QHE 脚本菜单"),
     QHE_TR_NOOP("Help", "打开脚本编辑器或执行激活的脚本 (Ctrl+F9)。")},
    {82, QHE_TR_NOOP("Help", "选项: 外观"),
     QHE_TR_NOOP("Help",
                 "字体和字体大小, 行数和列数, 块字符颜色, 隐藏工具条或行地址, 文本栅格在左边, 显示栅格线, "
                 "用空白显示控制字符。“默认”恢复外观的默认值。")},
    {83, QHE_TR_NOOP("Help", "选项: 数据检查器"),
     QHE_TR_NOOP("Help",
                 "数字和 UTF-16 的字节顺序 (Little-endian 或 Big-endian), 以及数据查看窗显示哪些数字类型。")},
    {84, QHE_TR_NOOP("Help", "选项: 快捷连接"),
     QHE_TR_NOOP("Help",
                 "在“发送到”文件夹中创建或移除指向本程序的快捷连接, 以便从文件管理器把文件发送给本程序。")},
    {87, QHE_TR_NOOP("Help", "插入: 作为 Unicode"),
     QHE_TR_NOOP("Help", "文本中的每个字符写成两个字节 (UTF-16); 字节顺序取自选项中的字节顺序。")},
    {88, QHE_TR_NOOP("Help", "哈希值"),
     QHE_TR_NOOP("Help",
                 "计算块的哈希值, 没有块时计算整个文件的: CRC-32、MD5、SHA-1、SHA-256、SHA-512、SHA3-256、"
                 "BLAKE2b-512、XXH64 和 XXH3-128 中选中的各项, 读一遍数据同时计算。结果是小写十六进制; "
                 "“复制”复制一项, “全部复制”按 sha256sum 的格式复制全部各行。选中的各项会被记住。")},
};

} // namespace

const std::map<int, HelpTopic>& HelpTopics() {
    // Rebuilt when another language is installed (at start, and between tests).
    static std::map<int, HelpTopic> topics;
    static int generation = -1;
    if (generation != TranslationGeneration()) {
        generation = TranslationGeneration();
        topics.clear();
        for (const TopicSource& topic : kTopics)
            topics[topic.context] = HelpTopic{Tr("Help", topic.title), Tr("Help", topic.body)};
    }
    return topics;
}

const HelpTopic& HelpTopicFor(int context) {
    const auto& topics = HelpTopics();
    auto it = topics.find(context);
    return it == topics.end() ? topics.at(0) : it->second;
}

} // namespace qhe
