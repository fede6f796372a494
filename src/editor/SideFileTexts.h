#pragma once
#include "core/text/Translation.h"
#include <string>

namespace qhe {

// Texts for side files (settings, conversion tables, bookmark lists, scripts) that the
// catalogue has none for. "%s" is the file name without its folder.
inline constexpr OwnText kTextSideFileNotRegular{
    QHE_TR_NOOP("Texts", "%s\n不是普通文件 (而是管道、设备或文件夹), 不能读取或写入")};
inline constexpr OwnText kTextSideFileTooLarge{
    QHE_TR_NOOP("Texts", "%s\n文件太大, 不能读取: 设置、转换表、书签和脚本文件最多 16 MB (16,777,216 字节)")};

// The message for a side file that failed with code: the texts above for the codes
// kNotRegularFile and kSideFileTooLarge, fallback for any other code.
std::string SideFileMessage(int code, const std::string& fileName, const std::string& fallback);

} // namespace qhe
