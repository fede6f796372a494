#pragma once
#include <cstdint>

#include "core/text/Translation.h"

namespace qhe {

// Texts of situations the message catalogue has no entry for. "%s" is the file name
// without its folder.
inline constexpr OwnText kTextFileTooLarge{
    QHE_TR_NOOP("Texts", "%s\n文件太大, 不能打开: 只能编辑小于 2 GB (2,147,483,648 字节) 的文件")};
inline constexpr OwnText kTextSavedInPlace{QHE_TR_NOOP("Texts", "%s 无法借助临时文件保存, 已直接覆盖写入")};
// Save: the file on disk differs in size or time from what was loaded or last saved.
inline constexpr OwnText kTextChangedOnDisk{
    QHE_TR_NOOP("Texts", "文件 %s 在打开后已被其他程序修改。\n仍要覆盖吗?")};
// Batch save: the same, where no one can be asked; the file keeps the other program's data.
inline constexpr OwnText kTextChangedOnDiskNotSaved{
    QHE_TR_NOOP("Texts", "文件 %s 在打开后已被其他程序修改。\n没有写入文件, 以免覆盖其他程序的改动")};
// Load: the file grew (or changed) while it was read; %d are the bytes read and its size now.
inline constexpr OwnText kTextChangedWhileLoading{QHE_TR_NOOP(
    "Texts", "文件 %s 在读取期间被其他程序改变了大小。\n只读入了开始读取时的 %d 字节 (文件现在有 %d 字节)")};
// A large file with inserts or deletes, where it could only be written over itself in place.
inline constexpr OwnText kTextMappedInPlace{
    QHE_TR_NOOP("Texts", "%s\n不能保存: 这个大文件有多个硬链接, "
                         "或它的文件夹里不能建立临时文件;\n插入或删除后只能写成新文件。请用“另存为”")};
// A pipe, device, socket or folder is neither read nor written.
inline constexpr OwnText kTextNotRegularRead{
    QHE_TR_NOOP("Texts", "%s\n不是普通文件 (管道、设备或文件夹), 不能打开")};
inline constexpr OwnText kTextNotRegularWrite{
    QHE_TR_NOOP("Texts", "%s\n不是普通文件 (管道、设备或文件夹), 不能写入")};

// A block device (a disk, a partition) keeps its size.
inline constexpr OwnText kTextSizeFixed{
    QHE_TR_NOOP("Texts", "%s 是设备 (磁盘或分区), 大小不能改变:\n只能改写, 不能插入或删除字节")};
// Copy of a block of a mapped file larger than the clipboard takes (%.0n bytes, %d MiB limit).
inline constexpr OwnText kTextBlockTooLargeForClipboard{QHE_TR_NOOP(
    "Texts", "块有 %.0n 字节, 太大了, 不能放到剪贴板 (最多 %d MB)。\n请用“文件”菜单的“写入块”把它存为文件")};
inline constexpr int64_t kMaxClipboardBlockMB = 256;
// Save of a block device writes the changed sectors straight onto it; %s the device, %d bytes.
inline constexpr OwnText kTextWriteDevice{
    QHE_TR_NOOP("Texts", "要把改动的 %d 字节直接写入设备 %s 吗?\n设备上原来的这些数据将被覆盖, 不能撤销。")};
// Save in place of a mapped file failed part-way; %s file, %x the first offset not written.
inline constexpr OwnText kTextPagesNotWritten{
    QHE_TR_NOOP("Texts", "%s\n保存失败: 从偏移 %x (十六进制) 起的改动没有写入文件, 它们仍在编辑器中")};
// Pages of a mapped file could not be read (they show as zeros): saving would write zeros.
inline constexpr OwnText kTextReadFaults{
    QHE_TR_NOOP("Texts", "%s\n有 %d 页数据读取失败 (显示为 0), 为免写入错误数据, 不能保存")};

// Printing to a PDF file that failed or was cancelled: the earlier file (%s) is kept.
inline constexpr OwnText kTextPdfKept{QHE_TR_NOOP("Texts", "原有的文件 %s 没有改变")};

// The hash dialog: what the digests are computed over, and its progress caption.
inline constexpr OwnText kTextHashFile{QHE_TR_NOOP("Texts", "整个文件 (%.0n 字节)")};
inline constexpr OwnText kTextHashBlock{QHE_TR_NOOP("Texts", "块 %s - %s (%.0n 字节)")};
inline constexpr OwnText kTextHashing{QHE_TR_NOOP("Texts", "正在计算哈希值...")};

// Copy as: a block whose text would be too large (%.0n bytes, %d MB of text at most); paste
// from base64 of a clipboard that holds none.
inline constexpr int kMaxCopyAsMB = 128;
inline constexpr OwnText kTextCopyAsTooLarge{
    QHE_TR_NOOP("Texts", "块有 %.0n 字节, 转换成的文本太大, 不能放到剪贴板 (最多 %d MB 文本)")};
inline constexpr OwnText kTextNotBase64{QHE_TR_NOOP("Texts", "剪贴板上没有 base64 文本")};

// The status bar's block panel: first and last address (hex) and the length.
inline constexpr OwnText kTextBlockStatus{QHE_TR_NOOP("Texts", "块: %s - %s (%.0n 字节)")};

// Undo and redo: the steps' names and the hints of the two commands.
inline constexpr OwnText kTextEditStep{QHE_TR_NOOP("Texts", "编辑")};
inline constexpr OwnText kTextTypingStep{QHE_TR_NOOP("Texts", "输入")};
inline constexpr OwnText kTextDeleteStep{QHE_TR_NOOP("Texts", "删除")};
inline constexpr OwnText kTextScriptStep{QHE_TR_NOOP("Texts", "QHE 脚本")};
inline constexpr OwnText kTextReplaceAllStep{QHE_TR_NOOP("Texts", "替换全部 (%.0n)")};
inline constexpr OwnText kTextUndoHint{QHE_TR_NOOP("Texts", "撤销: %s")};
inline constexpr OwnText kTextRedoHint{QHE_TR_NOOP("Texts", "重做: %s")};
inline constexpr OwnText kTextStepTooBig{QHE_TR_NOOP("Texts", "这一步超出撤销的内存上限, 不能撤销")};
inline constexpr OwnText kTextUndoNoMemory{QHE_TR_NOOP("Texts", "内存不足, 不能撤销或重做这一步")};

// Compare of two files: both names are one file; a file changed while it was compared.
inline constexpr OwnText kTextCompareSameFile{QHE_TR_NOOP("Texts", "%s 和 %s 是同一个文件, 内容相同")};
inline constexpr OwnText kTextCompareChanged{
    QHE_TR_NOOP("Texts", "%s\n在比较期间被其他程序改变或读取出错, 比较结果不可靠")};
// The compare window: caption (%s the two names), its note when A is the editor's unsaved bytes,
// the summary line while it runs and when done, the kinds of ranges, the status bar.
inline constexpr OwnText kTextCompareCaption{QHE_TR_NOOP("Texts", "比较 %s 与 %s")};
inline constexpr OwnText kTextCompareUnsaved{QHE_TR_NOOP("Texts", " (A 为编辑器中未保存的内容)")};
inline constexpr OwnText kTextCompareSizes{QHE_TR_NOOP("Texts", "A: %.0n 字节, B: %.0n 字节")};
inline constexpr OwnText kTextCompareRunning{QHE_TR_NOOP("Texts", "; 正在比较... %d%%, 已找到 %.0n 处差异")};
inline constexpr OwnText kTextCompareSame{QHE_TR_NOOP("Texts", "; 内容相同")};
inline constexpr OwnText kTextCompareDiffer{QHE_TR_NOOP("Texts", "; 不同: %.0n 处差异, 共 %.0n 字节")};
inline constexpr OwnText kTextCompareListCut{QHE_TR_NOOP("Texts", " (列表只保留前 %.0n 处)")};
inline constexpr OwnText kTextCompareFaults{
    QHE_TR_NOOP("Texts", "; 注意: %s 有页面读取出错 (显示为 0), 文件可能在比较期间被改变")};
inline constexpr OwnText kTextKindChanged{QHE_TR_NOOP("Texts", "改变")};
inline constexpr OwnText kTextKindOnlyInA{QHE_TR_NOOP("Texts", "仅在 A")};
inline constexpr OwnText kTextKindOnlyInB{QHE_TR_NOOP("Texts", "仅在 B")};
inline constexpr OwnText kTextKindGaveUp{QHE_TR_NOOP("Texts", " (未找到同步点)")};
inline constexpr OwnText kTextCompareStatus{
    QHE_TR_NOOP("Texts", "第 %s / %s 处差异    A: %s = %s    B: %s = %s")};
inline constexpr OwnText kTextCompareNoByte{QHE_TR_NOOP("Texts", "--")};
// The compare command: the dialogs' titles; too large an unsaved Document to copy.
inline constexpr OwnText kTextCompareChooseA{QHE_TR_NOOP("Texts", "比较文件: 选择文件 A")};
inline constexpr OwnText kTextCompareChooseB{QHE_TR_NOOP("Texts", "比较文件: 选择要与之比较的文件 B")};
inline constexpr OwnText kTextCompareSaveList{QHE_TR_NOOP("Texts", "保存差异列表")};
inline constexpr OwnText kTextCompareSaveFirst{
    QHE_TR_NOOP("Texts", "%s 有未保存的修改, 而且太大, 不能复制到内存中比较。\n请先保存, 再比较")};

// Saves in place and their journal: the kernel cleared the set-id bits of a file saved by a
// user who does not own it; a save that a crash interrupted was completed from its journal when
// the file was opened again, or could not be (the journal is kept for the next time).
inline constexpr OwnText kTextSetIdCleared{QHE_TR_NOOP(
    "Texts", "%s\n已保存, 但系统清除了它的 setuid/setgid 位 (只有文件的所有者能重新设置)")};
inline constexpr OwnText kTextSaveCompleted{
    QHE_TR_NOOP("Texts", "%s\n上次保存在写入时被中断, 现已按保存日志完成, 文件是保存后的内容")};
inline constexpr OwnText kTextSaveNotCompleted{
    QHE_TR_NOOP("Texts", "%s\n上次保存在写入时被中断, 无法按保存日志完成; 日志保留, 下次打开时再试")};

// Passes over a mapped file some of whose pages could not be read (another program cut it
// short): they read as zeros. %s the file, %d the pages. Digests and checksums are not shown;
// a search that found nothing says where it could not look; other results may be wrong; the
// view says it once.
inline constexpr OwnText kTextUnreadNoDigest{
    QHE_TR_NOOP("Texts", "%s\n有 %d 页数据读取失败 (文件可能被其他程序截短了), 这些页读作 0。\n"
                         "算出的值不是这个文件的, 所以不显示")};
inline constexpr OwnText kTextUnreadNotFound{
    QHE_TR_NOOP("Texts", "%s\n没有找到, 但有 %d 页数据读取失败 (读作 0), 在那里没能搜索")};
inline constexpr OwnText kTextUnreadResult{
    QHE_TR_NOOP("Texts", "%s\n有 %d 页数据读取失败 (文件可能被其他程序截短了), 这些页读作 0, 结果可能不对")};
inline constexpr OwnText kTextUnreadView{QHE_TR_NOOP(
    "Texts", "%s\n有 %d 页数据读取失败 (文件可能被其他程序截短了), 它们显示为 0, 不是文件的内容")};

// qhe32 --compare, each after "A: " or "B: " and the path as given: a read failed (the compare
// stops there); the file changed while compared; no plain file; not mapped and too large to
// read whole (%d MB). Then the note that --max-diffs cut the list (%.0n the ranges listed).
// The compare window: Go To with no hex offset of A (%s as typed, %s the last offset); the
// editor's bytes changed after the compare.
inline constexpr OwnText kTextCompareReadFailed{
    QHE_TR_NOOP("Texts", "读取出错 (文件可能在比较期间被截短了), 比较在此中止")};
inline constexpr OwnText kTextCompareChangedDuring{
    QHE_TR_NOOP("Texts", "在比较期间被其他程序改变了, 比较结果不可靠")};
inline constexpr OwnText kTextCompareNotPlain{QHE_TR_NOOP("Texts", "不是普通文件 (管道、设备或文件夹)")};
inline constexpr OwnText kTextCompareTooLarge{
    QHE_TR_NOOP("Texts", "不能映射, 而且大于 %d MB, 不能读入内存比较")};
inline constexpr OwnText kTextCompareMore{
    QHE_TR_NOOP("Texts", "列出 %.0n 处差异后停止 (--max-diffs), 后面还有差异")};
inline constexpr OwnText kTextCompareBadOffset{
    QHE_TR_NOOP("Texts", "“%s” 不是文件 A 中的偏移: 请输入 0 到 %s 之间的十六进制数")};
inline constexpr OwnText kTextCompareStale{
    QHE_TR_NOOP("Texts", "编辑器中的 A 在比较之后又改变了, 这里显示的是比较时的内容")};

} // namespace qhe
