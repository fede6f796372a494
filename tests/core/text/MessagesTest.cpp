#include "core/text/Messages.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace qhe {
namespace {

TEST(ErrorTextTest, CodesUpTo219CarryTheCatalogueText) {
    const std::vector<std::pair<int, std::string>> cases = {
        {112, "Error 112: 磁盘已满"},
        {2, "Error 2: 文件未发现"},
        {32, "Error 32: File sharing violation"},
        {14, "Error 14: "}, // no catalogue text for 14
        {219, "Error 219: 类型强制转换无效"},
        {0, "Error 0: "},
    };
    for (const auto& [code, expected] : cases)
        EXPECT_EQ(ErrorText(code), expected) << code;
}

TEST(ErrorTextTest, CodesAbove219AndNegativeCodesGiveNothing) {
    for (int code : {220, 250, 2005, -1, -32})
        EXPECT_EQ(ErrorText(code), "") << code;
}

TEST(MessagesTest, SpotChecksOfCatalogueTexts) {
    const std::vector<std::pair<int, std::string>> cases = {
        {700, "警告"},
        {701, "错误"},
        {702, "信息"},
        {703, "确认"},
        {307, "取消"},
        {313, "关于信息"},
        {2000, "%s 已有另外一个程序打开.\n以只读模式打开?"},
        {2005, "读取错误\n%s"},
        {2009, "%s 已经修改。 现在保存?"},
        {2010, " 当前文件大小: %.0n 字节\n 内存已分配: %.0n 字节"},
        {2073, "写入 QHE32.INI 错误"},
        {2074, "正在分配内存"},
        {2135, "正在访问网络, 请等待 ( 可能需要几分钟 )..."},
        {2015, " 插入"},           // leading blank kept
        {2016, " 覆盖 "},          // blanks on both sides kept
        {2021, "块已失效       "}, // trailing padding kept
        {2062, "当前的到替换: %.0n;\n内存足够的对于\n%.0n 替换.\n替换它们?"},
        {2089,
         "页面的宽度／高度不足。更改设置                  \n页边空白／字体大小／方向／每行字节数       \n"
         "或选择“在页底打印文本”。   "},
        {2142, "作为Unicode Latin(UTF-1&6LE)"},
        {1, "Invalid DOS function number"},
        {217, "未经处理的除外"},
    };
    for (const auto& [id, expected] : cases)
        EXPECT_EQ(Msg(id), expected) << id;
}

TEST(MessagesTest, IdsWithoutTextAreEmpty) {
    for (int id : {14, 40, 218, 220, 299, 300, 704, 1999, 2001, 2094, 2104, 2144, 0, -5})
        EXPECT_EQ(Msg(id), "") << id;
}

TEST(MessagesTest, UnknownIdsShareOneEmptyString) {
    EXPECT_EQ(&Msg(2001), &Msg(99999));
}

TEST(MessagesTest, TextsUseRealLineBreaksAndLieInTheCatalogueRanges) {
    int count = 0;
    for (int id = -10; id <= 3000; ++id) {
        const std::string& text = Msg(id);
        if (text.empty()) continue;
        ++count;
        EXPECT_TRUE((id >= 1 && id <= 219) || (id >= 300 && id <= 703) || (id >= 2000 && id <= 2143)) << id;
        EXPECT_EQ(text.find('\\'), std::string::npos) << id;
        EXPECT_NE(text.front(), '\n') << id;
    }
    EXPECT_GT(count, 240);
}

} // namespace
} // namespace qhe
