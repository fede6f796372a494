#pragma once

namespace qhe {

// Texts of situations the message catalogue has no entry for. "%s" is the file name
// without its folder.
inline constexpr const char* kTextFileTooLarge =
    "%s\n文件太大, 不能打开: 只能编辑小于 2 GB (2,147,483,648 字节) 的文件";
inline constexpr const char* kTextSavedInPlace = "%s 无法借助临时文件保存, 已直接覆盖写入";

} // namespace qhe
