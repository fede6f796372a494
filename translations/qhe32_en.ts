<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Buttons</name>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Headless</name>
    <message>
        <source>转到地址</source>
        <translation>Go to Offset</translation>
    </message>
    <message>
        <source>输入同步跳宽</source>
        <translation>Enter Step Width</translation>
    </message>
    <message>
        <source>数字编码</source>
        <translation>Encode Number</translation>
    </message>
    <message>
        <source>Bit 编辑</source>
        <translation>Bit Editor</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Options</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>QHE32 帮助目录</source>
        <translation>QHE32 Help Contents</translation>
    </message>
    <message>
        <source>QHE32 是一个十六进制编辑器: 整个文件保存在内存中, 以地址栏、十六进制窗格和文本窗格显示。请选择一个主题。</source>
        <translation>QHE32 is a hex editor: the whole file is kept in memory and shown in the offset column, the hex pane and the text pane. Choose a topic.</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>工具栏的按钮执行最常用的命令: 新建、打开、保存、删除块、剪切、复制、粘贴、查找、替换、选项、关于和“这是什么?”。把鼠标停在按钮上可以看到提示。</source>
        <translation>The toolbar buttons run the most frequently used commands: New, Open, Save, Delete Block, Cut, Copy, Paste, Find, Replace, Options, About and &quot;What&apos;s This?&quot;. Rest the mouse on a button to see its hint.</translation>
    </message>
    <message>
        <source>Bit 编辑</source>
        <translation>Bit Editor</translation>
    </message>
    <message>
        <source>显示光标所在字节的 8 个位 (左边是位 7, 右边是位 0), 可以逐个切换, 也可以全部选中、全部取消或全部切换; 标签同时显示十进制、十六进制和二进制的值。“设置”把新值写回该字节并关闭对话框, “重读”重新读入当前地址的字节, “取消”不写入任何内容。</source>
        <translation>Shows the 8 bits of the byte at the cursor (bit 7 on the left, bit 0 on the right). Toggle them one at a time, or set, clear or invert them all; the label shows the value in decimal, hex and binary. &quot;Set&quot; writes the new value back to the byte and closes the dialog, &quot;Reread&quot; reads the byte at the current offset again, and &quot;Cancel&quot; writes nothing.</translation>
    </message>
    <message>
        <source>文件菜单</source>
        <translation>File Menu</translation>
    </message>
    <message>
        <source>新建、打开、重新加载、保存、另存为和关闭文件; 插入文件、写入块、打印和退出。修改过的文件在被替换或关闭之前会询问是否保存。保存时先写入同一文件夹中的临时文件, 完成后才替换原文件, 所以失败或取消的保存不会破坏原文件。</source>
        <translation>New, Open, Reload, Save, Save As and Close; Insert File, Write Block, Print and Exit. Before a modified file is replaced or closed, you are asked whether to save it. Saving first writes a temporary file in the same folder and replaces the original only when that is complete, so a failed or cancelled save never damages the original.</translation>
    </message>
    <message>
        <source>编辑菜单</source>
        <translation>Edit Menu</translation>
    </message>
    <message>
        <source>插入或覆盖字符串, 标记、删除、复制、移动块, 剪贴板操作, 以及删除从指针或到指针的内容。</source>
        <translation>Insert or overwrite strings; mark, delete, copy and move blocks; clipboard commands; and deleting from or to the cursor.</translation>
    </message>
    <message>
        <source>搜索菜单</source>
        <translation>Search Menu</translation>
    </message>
    <message>
        <source>查找、再次查找、统计、替换、撤销替换和字符转换。</source>
        <translation>Find, Find Next/Previous, Count, Replace, Undo Replace and Character Conversion.</translation>
    </message>
    <message>
        <source>地址菜单</source>
        <translation>Offset Menu</translation>
    </message>
    <message>
        <source>转到地址, 同步跳宽, 标记地址并转到已标记的地址, 显示两个地址的差异。</source>
        <translation>Go to an offset, set the step width, mark an offset and go back to it, and show the difference between two offsets.</translation>
    </message>
    <message>
        <source>工具菜单</source>
        <translation>Tools Menu</translation>
    </message>
    <message>
        <source>文本模式和覆盖模式的切换, 数据查看窗, 数字解码和编码, Bit 编辑, 循环冗余校验以及选项。</source>
        <translation>Switching text mode and overwrite mode, the data inspector, decoding and encoding numbers, the bit editor, the CRC checksum, and the options.</translation>
    </message>
    <message>
        <source>帮助菜单</source>
        <translation>Help Menu</translation>
    </message>
    <message>
        <source>目录显示本帮助; 关于显示版本以及当前文件的大小和已分配的内存。</source>
        <translation>Contents shows this help; About shows the version, the size of the current file and the memory allocated.</translation>
    </message>
    <message>
        <source>选项: 常规</source>
        <translation>Options: General</translation>
    </message>
    <message>
        <source>首字节的偏移量 (地址从 0 或 1 开始), 保存时保留文件原来的日期/时间, 重新打开历史记录的长度 (1 到 9), 以及新建文件时是否包含一个 EOF 字符。</source>
        <translation>The offset of the first byte (offsets start at 0 or 1), keeping the file&apos;s original date/time when saving, the length of the reopen history (1 to 9), and whether a new file contains an EOF character.</translation>
    </message>
    <message>
        <source>插入: 文本字符串</source>
        <translation>Insert: Text String</translation>
    </message>
    <message>
        <source>把输入的文本作为字节串: 每个字符写成一个字节。选中“作为Unicode”时每个字符写成两个字节 (UTF-16)。</source>
        <translation>Takes the text you enter as a byte string: each character is written as one byte. With &quot;As Unicode&quot; checked, each character is written as two bytes (UTF-16).</translation>
    </message>
    <message>
        <source>插入: Hex 字符串</source>
        <translation>Insert: Hex String</translation>
    </message>
    <message>
        <source>以十六进制数字对输入字节串, 例如 41 42 0D 0A。每个字节两个数字, 数字之间可以有空格。</source>
        <translation>Enter the byte string as hex digits, e.g. 41 42 0D 0A. Two digits per byte; spaces between the digits are allowed.</translation>
    </message>
    <message>
        <source>插入: 文本 -&gt; Hex</source>
        <translation>Insert: Text -&gt; Hex</translation>
    </message>
    <message>
        <source>把文本字段中的文本转换成十六进制字节串, 放入 Hex 字段并选中 Hex 字符串, 以便逐个字节修改。</source>
        <translation>Converts the text in the text field into a hex byte string, puts it in the hex field and selects Hex String, so you can change it byte by byte.</translation>
    </message>
    <message>
        <source>状态栏: 地址</source>
        <translation>Status Bar: Offset</translation>
    </message>
    <message>
        <source>光标所在字节的地址。文本窗格激活时以十进制显示 (带千位分隔符), 十六进制窗格激活时以十六进制显示。</source>
        <translation>The offset of the byte at the cursor: in decimal (with thousands separators) when the text pane is active, in hex when the hex pane is active.</translation>
    </message>
    <message>
        <source>状态栏: 字节值</source>
        <translation>Status Bar: Byte Value</translation>
    </message>
    <message>
        <source>光标所在字节的值, 以十进制显示 (“十进制字符”后面的数字, 0 到 255)。</source>
        <translation>The value of the byte at the cursor, in decimal (the number shown after the &quot;Dec&quot; label, 0 to 255).</translation>
    </message>
    <message>
        <source>状态栏: 插入/覆盖</source>
        <translation>Status Bar: Insert/Overwrite</translation>
    </message>
    <message>
        <source>当前的输入模式: “插入”时输入的字节插入到光标之前, “覆盖”时替换光标处的字节。用 Insert 键或工具菜单的“覆盖”切换。</source>
        <translation>The current input mode: in &quot;Insert&quot; mode typed bytes are inserted before the cursor, in &quot;Overwrite&quot; mode they replace the byte at the cursor. Switch with the Insert key or &quot;Overwrite&quot; on the Tools menu.</translation>
    </message>
    <message>
        <source>状态栏: 提示</source>
        <translation>Status Bar: Hints</translation>
    </message>
    <message>
        <source>菜单项和按钮的提示, 较长操作进行时的说明, 以及文件状态 (例如文件以只读模式打开)。</source>
        <translation>Hints for menu items and buttons, notes while longer operations run, and the file&apos;s state (for example, that it was opened read-only).</translation>
    </message>
    <message>
        <source>文本窗格</source>
        <translation>Text Pane</translation>
    </message>
    <message>
        <source>每个字节显示为一个字符。在文本窗格中输入字符会写入对应的字节。Tab 键切换到十六进制窗格。</source>
        <translation>Each byte is shown as one character. Characters typed in the text pane are written to the corresponding bytes. Tab switches to the hex pane.</translation>
    </message>
    <message>
        <source>十六进制窗格</source>
        <translation>Hex Pane</translation>
    </message>
    <message>
        <source>每个字节显示为两个十六进制数字。输入两个十六进制数字写入一个字节; Esc 取消未完成的数字。Tab 键切换到文本窗格。</source>
        <translation>Each byte is shown as two hex digits. Type two hex digits to write a byte; Esc cancels an unfinished digit. Tab switches to the text pane.</translation>
    </message>
    <message>
        <source>插入字符串</source>
        <translation>Insert String</translation>
    </message>
    <message>
        <source>在光标之前插入文本或十六进制字节串, 可以重复多次 (“插入 &lt;n&gt; 次数”, 数字前加 $ 表示十六进制)。</source>
        <translation>Inserts a text or hex byte string before the cursor, repeated as many times as you like (&quot;Insert &lt;n&gt; times&quot;; put $ before the number for hex).</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>查找文本或十六进制字节串, 向下或向上, 从光标、开始或结束处开始; 可以区分大小写, 并可以使用一个通配字节。F3 向下、Shift+F3 向上再次查找。</source>
        <translation>Finds a text or hex byte string, searching down or up from the cursor, the start or the end; optionally case-sensitive and with one wildcard byte. F3 finds the next match, Shift+F3 the previous one.</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>统计文件中字节串出现的次数, 查找条件与“查找”相同。</source>
        <translation>Counts how often a byte string occurs in the file, with the same conditions as &quot;Find&quot;.</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>用另一个字节串替换找到的字节串, 一次 (F4 再次替换) 或全部替换; 新字节串可以更短、更长或为空。最后一次单个替换可以撤销。</source>
        <translation>Replaces a found byte string with another one, once (F4 replaces the next) or all at once; the new string may be shorter, longer or empty. The last single replacement can be undone.</translation>
    </message>
    <message>
        <source>转到地址</source>
        <translation>Go to Offset</translation>
    </message>
    <message>
        <source>输入地址, 以十进制或十六进制 (前加 $); 执行模式为绝对地址, 或从光标向下、向上的相对距离。</source>
        <translation>Enter an offset in decimal or in hex (prefix $); the mode is either an absolute offset or a distance down or up from the cursor.</translation>
    </message>
    <message>
        <source>数字编码</source>
        <translation>Encode Number</translation>
    </message>
    <message>
        <source>把数字按选定的类型 (整数或浮点数) 和字节顺序编成字节, 显示在“这里”, 或插入、覆盖到光标处。</source>
        <translation>Encodes a number as bytes using the chosen type (integer or floating point) and byte order, and shows them in &quot;Here&quot; or inserts or overwrites them at the cursor.</translation>
    </message>
    <message>
        <source>块标记</source>
        <translation>Marking Blocks</translation>
    </message>
    <message>
        <source>用 Ctrl+B 标记块的开始和结束, 或按住 Shift 移动光标标记; “标记块所包含的字符个数”从光标起标记 n 个字节。</source>
        <translation>Press Ctrl+B to mark the start and the end of a block, or hold Shift while moving the cursor; &quot;Mark Block by Length&quot; marks n bytes from the cursor.</translation>
    </message>
    <message>
        <source>字符转换</source>
        <translation>Character Conversion</translation>
    </message>
    <message>
        <source>用 256 项的转换表转换整个文件或块的字节; 表可以编辑, 保存为 .qct 文件并重新加载。</source>
        <translation>Converts the bytes of the whole file or of the block through a 256-entry conversion table; the table can be edited, saved as a .qct file and loaded again.</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>打印十六进制转储的全部或块, 可以预览, 也可以输出到文本文件。</source>
        <translation>Prints a hex dump of the whole file or of the block, with an optional preview, or writes it to a text file.</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>逐页查看打印结果: 翻页、调整缩放, 打印本页或全部页, 或者不打印而退出。</source>
        <translation>Shows the printout page by page: turn pages, change the zoom, print this page or all pages, or leave without printing.</translation>
    </message>
    <message>
        <source>地址栏</source>
        <translation>Offset Column</translation>
    </message>
    <message>
        <source>每一行第一个字节的地址 (十六进制)。起始地址可以是 0 或 1 (选项)。</source>
        <translation>The offset (in hex) of the first byte of each row. Offsets can start at 0 or 1 (Options).</translation>
    </message>
    <message>
        <source>脚本编辑器</source>
        <translation>Script Editor</translation>
    </message>
    <message>
        <source>编辑、打开和保存 QHE 脚本 (.qsc); 插入命令菜单插入命令模板。</source>
        <translation>Edit, open and save QHE scripts (.qsc); the Insert Command menu inserts command templates.</translation>
    </message>
    <message>
        <source>覆盖字符串</source>
        <translation>Overwrite String</translation>
    </message>
    <message>
        <source>从光标处起用文本或十六进制字节串覆盖文件中的字节; 文件的大小不变。</source>
        <translation>Overwrites the file&apos;s bytes from the cursor on with a text or hex byte string; the file size stays the same.</translation>
    </message>
    <message>
        <source>脚本检查和执行</source>
        <translation>Checking and Running Scripts</translation>
    </message>
    <message>
        <source>“语法检查”只检查脚本而不改动文件; “执行”先检查, 没有错误时再逐行执行。执行时可以取消。</source>
        <translation>&quot;Check Syntax&quot; only checks the script and leaves the file unchanged; &quot;Run&quot; checks it first and, if there are no errors, runs it line by line. A running script can be cancelled.</translation>
    </message>
    <message>
        <source>QHE 脚本菜单</source>
        <translation>QHE Script Menu</translation>
    </message>
    <message>
        <source>打开脚本编辑器或执行激活的脚本 (Ctrl+F9)。</source>
        <translation>Opens the script editor or runs the active script (Ctrl+F9).</translation>
    </message>
    <message>
        <source>选项: 外观</source>
        <translation>Options: Appearance</translation>
    </message>
    <message>
        <source>字体和字体大小, 行数和列数, 块字符颜色, 隐藏工具条或行地址, 文本栅格在左边, 显示栅格线, 用空白显示控制字符。“默认”恢复外观的默认值。</source>
        <translation>Font and font size, number of rows and columns, block text color, hiding the toolbar or the row offsets, text grid on the left, grid lines, and showing control characters as blanks. &quot;Default&quot; restores the default appearance.</translation>
    </message>
    <message>
        <source>选项: 数据检查器</source>
        <translation>Options: Data Inspector</translation>
    </message>
    <message>
        <source>数字和 UTF-16 的字节顺序 (Little-endian 或 Big-endian), 以及数据查看窗显示哪些数字类型。</source>
        <translation>The byte order of numbers and UTF-16 (little-endian or big-endian), and which number types the data inspector shows.</translation>
    </message>
    <message>
        <source>选项: 快捷连接</source>
        <translation>Options: &quot;Send to&quot; Shortcut</translation>
    </message>
    <message>
        <source>在“发送到”文件夹中创建或移除指向本程序的快捷连接, 以便从文件管理器把文件发送给本程序。</source>
        <translation>Creates or removes a shortcut to this program in the &quot;Send to&quot; folder, so you can send files to it from the file manager.</translation>
    </message>
    <message>
        <source>插入: 作为 Unicode</source>
        <translation>Insert: As Unicode</translation>
    </message>
    <message>
        <source>文本中的每个字符写成两个字节 (UTF-16); 字节顺序取自选项中的字节顺序。</source>
        <translation>Each character of the text is written as two bytes (UTF-16), in the byte order set in the options.</translation>
    </message>
    <message>
        <source>哈希值</source>
        <translation>Hashes</translation>
    </message>
    <message>
        <source>计算块的哈希值, 没有块时计算整个文件的: CRC-32、MD5、SHA-1、SHA-256、SHA-512、SHA3-256、BLAKE2b-512、XXH64 和 XXH3-128 中选中的各项, 读一遍数据同时计算。结果是小写十六进制; “复制”复制一项, “全部复制”按 sha256sum 的格式复制全部各行。选中的各项会被记住。</source>
        <translation>Computes hashes of the block, or of the whole file when there is no block: whichever of CRC-32, MD5, SHA-1, SHA-256, SHA-512, SHA3-256, BLAKE2b-512, XXH64 and XXH3-128 are checked, all in one pass over the data. Results are in lowercase hex; &quot;Copy&quot; copies one of them, &quot;Copy All&quot; copies all lines in sha256sum format. The checked items are remembered.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>C 数组</source>
        <translation>C Array</translation>
    </message>
    <message>
        <source>C++ std::array</source>
        <translation>C++ std::array</translation>
    </message>
    <message>
        <source>Python bytes</source>
        <translation>Python bytes</translation>
    </message>
    <message>
        <source>Rust [u8; N]</source>
        <translation>Rust [u8; N]</translation>
    </message>
    <message>
        <source>Go []byte</source>
        <translation>Go []byte</translation>
    </message>
    <message>
        <source>Java byte[]</source>
        <translation>Java byte[]</translation>
    </message>
    <message>
        <source>C# byte[]</source>
        <translation>C# byte[]</translation>
    </message>
    <message>
        <source>JavaScript Uint8Array</source>
        <translation>JavaScript Uint8Array</translation>
    </message>
    <message>
        <source>base64</source>
        <translation>base64</translation>
    </message>
    <message>
        <source>base64 data URL</source>
        <translation>base64 data URL</translation>
    </message>
    <message>
        <source>xxd -i</source>
        <translation>xxd -i</translation>
    </message>
    <message>
        <source>十六进制 (无空格)</source>
        <translation>Hex (No Spaces)</translation>
    </message>
    <message>
        <source>十六进制 (带空格)</source>
        <translation>Hex (With Spaces)</translation>
    </message>
    <message>
        <source>Intel HEX</source>
        <translation>Intel HEX</translation>
    </message>
    <message>
        <source>添加(&amp;A)...</source>
        <translation>&amp;Add...</translation>
    </message>
    <message>
        <source>移除(&amp;R)...</source>
        <translation>&amp;Remove...</translation>
    </message>
    <message>
        <source>移除全部(&amp;E)</source>
        <translation>R&amp;emove All</translation>
    </message>
    <message>
        <source>保存到文件(&amp;S)...</source>
        <translation>&amp;Save to File...</translation>
    </message>
    <message>
        <source>加载从文件(&amp;L)...</source>
        <translation>&amp;Load from File...</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新建(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>打开(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>重新加载(&amp;L)</source>
        <translation>Re&amp;load</translation>
    </message>
    <message>
        <source>重新打开(&amp;R)</source>
        <translation>&amp;Reopen</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>另存为(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>插入(&amp;I)...</source>
        <translation>&amp;Insert File...</translation>
    </message>
    <message>
        <source>写入块(&amp;W)...</source>
        <translation>&amp;Write Block...</translation>
    </message>
    <message>
        <source>打印(&amp;P)...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>退出(&amp;E)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>撤销(&amp;Z)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>重做(&amp;Y)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>插入字符串(&amp;I)...</source>
        <translation>&amp;Insert String...</translation>
    </message>
    <message>
        <source>覆盖字符串(&amp;W)...</source>
        <translation>Over&amp;write String...</translation>
    </message>
    <message>
        <source>块标记(&amp;M)</source>
        <translation>&amp;Mark Block</translation>
    </message>
    <message>
        <source>标记块所包含的字符个数(&amp;N) </source>
        <translation>Mark Block by Le&amp;ngth...</translation>
    </message>
    <message>
        <source>全部标记为块(&amp;L)</source>
        <translation>Mark A&amp;ll</translation>
    </message>
    <message>
        <source>撤消块标记(&amp;U)</source>
        <translation>Unmar&amp;k Block</translation>
    </message>
    <message>
        <source>块删除(&amp;D)</source>
        <translation>&amp;Delete Block</translation>
    </message>
    <message>
        <source>块复制(&amp;C)</source>
        <translation>&amp;Copy Block</translation>
    </message>
    <message>
        <source>块复制/覆盖(&amp;O)</source>
        <translation>Copy/&amp;Overwrite Block</translation>
    </message>
    <message>
        <source>块移动(&amp;V)</source>
        <translation>Mo&amp;ve Block</translation>
    </message>
    <message>
        <source>剪贴板(&amp;B)</source>
        <translation>Clip&amp;board</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>复制为十六进制字符串</source>
        <translation>Copy as &amp;Hex String</translation>
    </message>
    <message>
        <source>粘贴从十六进制字符串</source>
        <translation>Paste from He&amp;x String</translation>
    </message>
    <message>
        <source>粘贴从 base64</source>
        <translation>Paste from &amp;base64</translation>
    </message>
    <message>
        <source>复制为(&amp;A)</source>
        <translation>Copy &amp;As</translation>
    </message>
    <message>
        <source>删除从指针(&amp;F)</source>
        <translation>Delete &amp;from Cursor</translation>
    </message>
    <message>
        <source>删除到指针(&amp;T)</source>
        <translation>Delete &amp;to Cursor</translation>
    </message>
    <message>
        <source>搜索(&amp;S)</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>查找(&amp;F)...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>再次向下查找(&amp;D)</source>
        <translation>Find &amp;Next</translation>
    </message>
    <message>
        <source>再次向上查找(&amp;U)</source>
        <translation>Find &amp;Previous</translation>
    </message>
    <message>
        <source>统计(&amp;C)...</source>
        <translation>&amp;Count...</translation>
    </message>
    <message>
        <source>替换(&amp;R)...</source>
        <translation>&amp;Replace...</translation>
    </message>
    <message>
        <source>再次向下替换(&amp;A)</source>
        <translation>Replace Ne&amp;xt</translation>
    </message>
    <message>
        <source>撤销替换(&amp;U)</source>
        <translation>&amp;Undo Replace</translation>
    </message>
    <message>
        <source>字符转换(&amp;H)...</source>
        <translation>C&amp;haracter Conversion...</translation>
    </message>
    <message>
        <source>地址(&amp;A)</source>
        <translation>&amp;Offset</translation>
    </message>
    <message>
        <source>转到(&amp;G)...</source>
        <translation>&amp;Go to Offset...</translation>
    </message>
    <message>
        <source>同步跳宽(&amp;W)...</source>
        <translation>Step &amp;Width...</translation>
    </message>
    <message>
        <source>向下跳转(&amp;D)</source>
        <translation>Step &amp;Forward</translation>
    </message>
    <message>
        <source>向上跳转(&amp;U)</source>
        <translation>Step &amp;Backward</translation>
    </message>
    <message>
        <source>标记地址(&amp;R)</source>
        <translation>Ma&amp;rk Offset</translation>
    </message>
    <message>
        <source>转到已标记(&amp;M)</source>
        <translation>Go to &amp;Marked Offset</translation>
    </message>
    <message>
        <source>显示差异(&amp;F)...</source>
        <translation>Offset &amp;Difference...</translation>
    </message>
    <message>
        <source>书签(&amp;B)</source>
        <translation>&amp;Bookmarks</translation>
    </message>
    <message>
        <source>工具(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>文本模式(&amp;T)</source>
        <translation>&amp;Text Mode</translation>
    </message>
    <message>
        <source>覆盖(&amp;V)</source>
        <translation>O&amp;verwrite</translation>
    </message>
    <message>
        <source>数据查看窗(&amp;I)</source>
        <translation>Data &amp;Inspector</translation>
    </message>
    <message>
        <source>数字解码(&amp;D)...</source>
        <translation>&amp;Decode Number...</translation>
    </message>
    <message>
        <source>数字编码(&amp;E)...</source>
        <translation>&amp;Encode Number...</translation>
    </message>
    <message>
        <source>Bit 编辑(&amp;B)...</source>
        <translation>&amp;Bit Editor...</translation>
    </message>
    <message>
        <source>循环冗余校验(&amp;C)...</source>
        <translation>&amp;CRC Checksum...</translation>
    </message>
    <message>
        <source>哈希值(&amp;H)...</source>
        <translation>&amp;Hashes...</translation>
    </message>
    <message>
        <source>&amp;Patch BP 7.0 EXE</source>
        <translation>&amp;Patch BP 7.0 EXE</translation>
    </message>
    <message>
        <source>比较文件(&amp;F)...</source>
        <translation>Compare &amp;Files...</translation>
    </message>
    <message>
        <source>选项(&amp;O)...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>QHE 脚本(&amp;X)</source>
        <translation>QHE S&amp;cript</translation>
    </message>
    <message>
        <source>编辑器(&amp;E)...</source>
        <translation>&amp;Editor...</translation>
    </message>
    <message>
        <source>执行激活(&amp;X)</source>
        <translation>E&amp;xecute Active</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>目录(&amp;C)</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>关于(&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>新建文件</source>
        <translation>New File</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>删除块</source>
        <translation>Delete Block</translation>
    </message>
    <message>
        <source>剪切到剪贴板</source>
        <translation>Cut to Clipboard</translation>
    </message>
    <message>
        <source>复制到剪贴板</source>
        <translation>Copy to Clipboard</translation>
    </message>
    <message>
        <source>从剪贴板粘贴</source>
        <translation>Paste from Clipboard</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>比较文件</source>
        <translation>Compare Files</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>这是&apos;什么?</source>
        <translation>What&apos;s This?</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Invalid DOS function number</source>
        <translation>Invalid DOS function number</translation>
    </message>
    <message>
        <source>文件未发现</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>路径未发现</source>
        <translation>Path not found</translation>
    </message>
    <message>
        <source>打开文件太多</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>文件访问拒绝</source>
        <translation>File access denied</translation>
    </message>
    <message>
        <source>文件句柄无效</source>
        <translation>Invalid file handle</translation>
    </message>
    <message>
        <source>Memory control blocks destroyed</source>
        <translation>Memory control blocks destroyed</translation>
    </message>
    <message>
        <source>Insufficient DOS memory</source>
        <translation>Insufficient DOS memory</translation>
    </message>
    <message>
        <source>Invalid memory block address</source>
        <translation>Invalid memory block address</translation>
    </message>
    <message>
        <source>Invalid DOS environment</source>
        <translation>Invalid DOS environment</translation>
    </message>
    <message>
        <source>格式无效 (DOS)</source>
        <translation>Invalid format (DOS)</translation>
    </message>
    <message>
        <source>文件访问代码无效</source>
        <translation>Invalid file access code</translation>
    </message>
    <message>
        <source>数据无效 (DOS)</source>
        <translation>Invalid data (DOS)</translation>
    </message>
    <message>
        <source>Invalid drive number</source>
        <translation>Invalid drive number</translation>
    </message>
    <message>
        <source>不能移除当前目录</source>
        <translation>Cannot remove the current directory</translation>
    </message>
    <message>
        <source>Cannot rename across drives</source>
        <translation>Cannot rename across drives</translation>
    </message>
    <message>
        <source>没有更多文件</source>
        <translation>No more files</translation>
    </message>
    <message>
        <source>磁盘写保护</source>
        <translation>Disk write-protected</translation>
    </message>
    <message>
        <source>未知单位 (DOS)</source>
        <translation>Unknown unit (DOS)</translation>
    </message>
    <message>
        <source>驱动未准备好</source>
        <translation>Drive not ready</translation>
    </message>
    <message>
        <source>未知的 DOS 命令</source>
        <translation>Unknown DOS command</translation>
    </message>
    <message>
        <source>CRC 错误</source>
        <translation>CRC error</translation>
    </message>
    <message>
        <source>Bad request structure length</source>
        <translation>Bad request structure length</translation>
    </message>
    <message>
        <source>寻找错误</source>
        <translation>Seek error</translation>
    </message>
    <message>
        <source>未知的媒体类型</source>
        <translation>Unknown media type</translation>
    </message>
    <message>
        <source>Disk sector not found</source>
        <translation>Disk sector not found</translation>
    </message>
    <message>
        <source>超出页面</source>
        <translation>Out of paper</translation>
    </message>
    <message>
        <source>写入错误</source>
        <translation>Write error</translation>
    </message>
    <message>
        <source>读取错误</source>
        <translation>Read error</translation>
    </message>
    <message>
        <source>General failure</source>
        <translation>General failure</translation>
    </message>
    <message>
        <source>File sharing violation</source>
        <translation>File sharing violation</translation>
    </message>
    <message>
        <source>File lock violation</source>
        <translation>File lock violation</translation>
    </message>
    <message>
        <source>Invalid disk change</source>
        <translation>Invalid disk change</translation>
    </message>
    <message>
        <source>File control block unavailable</source>
        <translation>File control block unavailable</translation>
    </message>
    <message>
        <source>Sharing buffer overflow</source>
        <translation>Sharing buffer overflow</translation>
    </message>
    <message>
        <source>Code page mismatch</source>
        <translation>Code page mismatch</translation>
    </message>
    <message>
        <source>Error handling EOF</source>
        <translation>Error handling EOF</translation>
    </message>
    <message>
        <source>Handle disk full</source>
        <translation>Handle disk full</translation>
    </message>
    <message>
        <source>Network request not supported</source>
        <translation>Network request not supported</translation>
    </message>
    <message>
        <source>Remote computer not listening</source>
        <translation>Remote computer not listening</translation>
    </message>
    <message>
        <source>Duplicate name on network</source>
        <translation>Duplicate name on network</translation>
    </message>
    <message>
        <source>Network name not found</source>
        <translation>Network name not found</translation>
    </message>
    <message>
        <source>Network busy</source>
        <translation>Network busy</translation>
    </message>
    <message>
        <source>Network device no longer exists</source>
        <translation>Network device no longer exists</translation>
    </message>
    <message>
        <source>NetBIOS command limit exceeded</source>
        <translation>NetBIOS command limit exceeded</translation>
    </message>
    <message>
        <source>Network adaptor error</source>
        <translation>Network adaptor error</translation>
    </message>
    <message>
        <source>Incorrect network response</source>
        <translation>Incorrect network response</translation>
    </message>
    <message>
        <source>Unexpected network error</source>
        <translation>Unexpected network error</translation>
    </message>
    <message>
        <source>Incompatible remote adaptor</source>
        <translation>Incompatible remote adaptor</translation>
    </message>
    <message>
        <source>Print queue full</source>
        <translation>Print queue full</translation>
    </message>
    <message>
        <source>Not enough space for print file</source>
        <translation>Not enough space for print file</translation>
    </message>
    <message>
        <source>Print file deleted</source>
        <translation>Print file deleted</translation>
    </message>
    <message>
        <source>Network name deleted</source>
        <translation>Network name deleted</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Access denied</translation>
    </message>
    <message>
        <source>Network device type incorrect</source>
        <translation>Network device type incorrect</translation>
    </message>
    <message>
        <source>Network name limit exceeded</source>
        <translation>Network name limit exceeded</translation>
    </message>
    <message>
        <source>NetBIOS session limit exceeded</source>
        <translation>NetBIOS session limit exceeded</translation>
    </message>
    <message>
        <source>Temporarily paused</source>
        <translation>Temporarily paused</translation>
    </message>
    <message>
        <source>Network request not accepted</source>
        <translation>Network request not accepted</translation>
    </message>
    <message>
        <source>Print/disk redirection paused</source>
        <translation>Print/disk redirection paused</translation>
    </message>
    <message>
        <source>文件已存在</source>
        <translation>File already exists</translation>
    </message>
    <message>
        <source>Cannot make directory entry</source>
        <translation>Cannot make directory entry</translation>
    </message>
    <message>
        <source>Fail on interrupt 24</source>
        <translation>Fail on interrupt 24</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>Too many redirections</translation>
    </message>
    <message>
        <source>Duplicate redirection</source>
        <translation>Duplicate redirection</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Invalid password</translation>
    </message>
    <message>
        <source>Invalid parameter</source>
        <translation>Invalid parameter</translation>
    </message>
    <message>
        <source>Network data fault</source>
        <translation>Network data fault</translation>
    </message>
    <message>
        <source>Disk read error</source>
        <translation>Disk read error</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Disk write error</translation>
    </message>
    <message>
        <source>File not assigned</source>
        <translation>File not assigned</translation>
    </message>
    <message>
        <source>File not open</source>
        <translation>File not open</translation>
    </message>
    <message>
        <source>File not open for input</source>
        <translation>File not open for input</translation>
    </message>
    <message>
        <source>File not open for output</source>
        <translation>File not open for output</translation>
    </message>
    <message>
        <source>Invalid numeric format</source>
        <translation>Invalid numeric format</translation>
    </message>
    <message>
        <source>磁盘已满</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>磁盘已经写保护</source>
        <translation>Disk is write-protected</translation>
    </message>
    <message>
        <source>未知单位</source>
        <translation>Unknown unit</translation>
    </message>
    <message>
        <source>CRC 数据错误</source>
        <translation>CRC error in data</translation>
    </message>
    <message>
        <source>Bad drive request struct length</source>
        <translation>Bad drive request struct length</translation>
    </message>
    <message>
        <source>磁盘寻找错误</source>
        <translation>Disk seek error</translation>
    </message>
    <message>
        <source>扇区未发现</source>
        <translation>Sector not found</translation>
    </message>
    <message>
        <source>打印机超出页面</source>
        <translation>Printer out of paper</translation>
    </message>
    <message>
        <source>Device write fault</source>
        <translation>Device write fault</translation>
    </message>
    <message>
        <source>Device read fault</source>
        <translation>Device read fault</translation>
    </message>
    <message>
        <source>Hardware failure</source>
        <translation>Hardware failure</translation>
    </message>
    <message>
        <source>除数为 0</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>范围选取错误</source>
        <translation>Range check error</translation>
    </message>
    <message>
        <source>堆栈溢出错误</source>
        <translation>Stack overflow error</translation>
    </message>
    <message>
        <source>指针操作无效</source>
        <translation>Invalid pointer operation</translation>
    </message>
    <message>
        <source>浮点溢出</source>
        <translation>Floating-point overflow</translation>
    </message>
    <message>
        <source>浮点下溢</source>
        <translation>Floating-point underflow</translation>
    </message>
    <message>
        <source>浮点操作无效</source>
        <translation>Invalid floating-point operation</translation>
    </message>
    <message>
        <source>Overlay manager not installed</source>
        <translation>Overlay manager not installed</translation>
    </message>
    <message>
        <source>Overlay file read error</source>
        <translation>Overlay file read error</translation>
    </message>
    <message>
        <source>Object not initialised</source>
        <translation>Object not initialised</translation>
    </message>
    <message>
        <source>Call to abstract method</source>
        <translation>Call to abstract method</translation>
    </message>
    <message>
        <source>Stream registration error</source>
        <translation>Stream registration error</translation>
    </message>
    <message>
        <source>TCollection index out of range</source>
        <translation>TCollection index out of range</translation>
    </message>
    <message>
        <source>TCollection overflow error</source>
        <translation>TCollection overflow error</translation>
    </message>
    <message>
        <source>Arithmetic overflow error</source>
        <translation>Arithmetic overflow error</translation>
    </message>
    <message>
        <source>General Protection Fault</source>
        <translation>General Protection Fault</translation>
    </message>
    <message>
        <source>未经处理的除外</source>
        <translation>Unhandled exception</translation>
    </message>
    <message>
        <source>类型强制转换无效</source>
        <translation>Invalid typecast</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>关于信息</source>
        <translation>About</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>文件另存为</source>
        <translation>Save File As</translation>
    </message>
    <message>
        <source>确定, 把备忘内容复制到剪贴板</source>
        <translation>OK, and copy the text to the clipboard</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>%s 已有另外一个程序打开.
以只读模式打开?</source>
        <translation>%s is already open in another program.
Open it in read-only mode?</translation>
    </message>
    <message>
        <source>文件是空的:
%s</source>
        <translation>The file is empty:
%s</translation>
    </message>
    <message>
        <source>文件打开错误
%s</source>
        <translation>Error opening file
%s</translation>
    </message>
    <message>
        <source>不能分配另外的内存
来完成操作</source>
        <translation>Cannot allocate more memory
to complete the operation</translation>
    </message>
    <message>
        <source>读取错误
%s</source>
        <translation>Error reading file
%s</translation>
    </message>
    <message>
        <source>文件关闭错误
%s</source>
        <translation>Error closing file
%s</translation>
    </message>
    <message>
        <source>写入错误
%s</source>
        <translation>Error writing file
%s</translation>
    </message>
    <message>
        <source>%s 已经修改。 现在保存?</source>
        <translation>%s has been modified. Save it now?</translation>
    </message>
    <message>
        <source> 当前文件大小: %.0n 字节
 内存已分配: %.0n 字节</source>
        <translation> Current file size: %.0n bytes
 Memory allocated: %.0n bytes</translation>
    </message>
    <message>
        <source>读取已经取消:
%s</source>
        <translation>Reading cancelled:
%s</translation>
    </message>
    <message>
        <source>  地址 十六进制: %x</source>
        <translation>  Offset hex: %x</translation>
    </message>
    <message>
        <source>  地址 十进制: %.0n</source>
        <translation>  Offset dec: %.0n</translation>
    </message>
    <message>
        <source>十进制字符%d</source>
        <translation>Dec. char %d</translation>
    </message>
    <message>
        <source> 插入</source>
        <translation> Insert</translation>
    </message>
    <message>
        <source> 覆盖 </source>
        <translation> Overwrite </translation>
    </message>
    <message>
        <source>剪贴板包含超过 %.0n 字节数据.
现在清空剪贴板?</source>
        <translation>The clipboard holds more than %.0n bytes of data.
Empty the clipboard now?</translation>
    </message>
    <message>
        <source>正在读文件</source>
        <translation>Reading file</translation>
    </message>
    <message>
        <source>块已失效       </source>
        <translation>The block is no longer valid</translation>
    </message>
    <message>
        <source>没有标记块     </source>
        <translation>No block marked</translation>
    </message>
    <message>
        <source>块尺寸无效       </source>
        <translation>Invalid block size</translation>
    </message>
    <message>
        <source>脚本 %s 已修改。 
现在保存?</source>
        <translation>Script %s has been modified.
Save it now?</translation>
    </message>
    <message>
        <source>在块内不能复制或移动  
(如果需要，使用剪贴板)</source>
        <translation>Cannot copy or move a block into itself
(use the clipboard if necessary)</translation>
    </message>
    <message>
        <source>从剪贴板粘贴数据</source>
        <translation>Pasting data from the clipboard</translation>
    </message>
    <message>
        <source>超过文件结束点，不能重写      </source>
        <translation>Cannot overwrite beyond the end of the file</translation>
    </message>
    <message>
        <source>把数据复制到剪贴板</source>
        <translation>Copying data to the clipboard</translation>
    </message>
    <message>
        <source>插入...</source>
        <translation>Inserting...</translation>
    </message>
    <message>
        <source>删除...</source>
        <translation>Deleting...</translation>
    </message>
    <message>
        <source>复制...</source>
        <translation>Copying...</translation>
    </message>
    <message>
        <source>同步跳宽无效  </source>
        <translation>Invalid step width</translation>
    </message>
    <message>
        <source>地址无效   </source>
        <translation>Invalid offset</translation>
    </message>
    <message>
        <source>已标记的十进制地址: %.0n
十进制差异: %.0n</source>
        <translation>Marked offset (dec): %.0n
Difference (dec): %.0n</translation>
    </message>
    <message>
        <source>已标记的十六进制地址: %x
十六进制差异: %x</source>
        <translation>Marked offset (hex): %x
Difference (hex): %x</translation>
    </message>
    <message>
        <source>内存分配错误.
程序结束.</source>
        <translation>Memory allocation error.
The program will terminate.</translation>
    </message>
    <message>
        <source>内存剥离分配错误.
程序结束.</source>
        <translation>Memory deallocation error.
The program will terminate.</translation>
    </message>
    <message>
        <source>%s 作为短整型: %s</source>
        <translation>%s as signed 8-bit: %s</translation>
    </message>
    <message>
        <source>%s 作为字类型: %s</source>
        <translation>%s as unsigned 16-bit: %s</translation>
    </message>
    <message>
        <source>%s 作为整型: %s</source>
        <translation>%s as signed 16-bit: %s</translation>
    </message>
    <message>
        <source>%s 作为长整型: %s</source>
        <translation>%s as signed 32-bit: %s</translation>
    </message>
    <message>
        <source>没有足够的内存可分配
对于此操作       </source>
        <translation>Not enough memory available
for this operation</translation>
    </message>
    <message>
        <source>正在搜索...</source>
        <translation>Searching...</translation>
    </message>
    <message>
        <source>字符串未发现</source>
        <translation>String not found</translation>
    </message>
    <message>
        <source>当前文件位置</source>
        <translation>Current file position</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>现有的已发现:%.0n</source>
        <translation>Occurrences found: %.0n</translation>
    </message>
    <message>
        <source>字节顺序:Little-endian(英特尔)</source>
        <translation>Byte order: little-endian (Intel)</translation>
    </message>
    <message>
        <source>字节顺序:Big-endian(摩托罗拉)</source>
        <translation>Byte order: big-endian (Motorola)</translation>
    </message>
    <message>
        <source>输入 通配符字符</source>
        <translation>Enter one wildcard byte</translation>
    </message>
    <message>
        <source>十六进制字符串无效          </source>
        <translation>Invalid hex string</translation>
    </message>
    <message>
        <source>不能查找空字符串</source>
        <translation>Cannot search for an empty string</translation>
    </message>
    <message>
        <source>正在写入文件</source>
        <translation>Writing file</translation>
    </message>
    <message>
        <source>正在写入 %s 已取消</source>
        <translation>Writing %s cancelled</translation>
    </message>
    <message>
        <source>正在替换...</source>
        <translation>Replacing...</translation>
    </message>
    <message>
        <source>不能把数据复制到剪贴板   </source>
        <translation>Cannot copy the data to the clipboard</translation>
    </message>
    <message>
        <source>不能注册剪贴板格式 QZBINARY</source>
        <translation>Cannot register the clipboard format QZBINARY</translation>
    </message>
    <message>
        <source>当前的到替换: %.0n;
内存足够的对于
%.0n 替换.
替换它们?</source>
        <translation>Occurrences to replace: %.0n.
Memory suffices for only
%.0n replacements.
Replace that many?</translation>
    </message>
    <message>
        <source>当前的已替换: %.0n</source>
        <translation>Occurrences replaced: %.0n</translation>
    </message>
    <message>
        <source>正在替换</source>
        <translation>Replacing</translation>
    </message>
    <message>
        <source>正在搜索和替换</source>
        <translation>Searching and replacing</translation>
    </message>
    <message>
        <source>步骤 1: 正在统计</source>
        <translation>Step 1: Counting</translation>
    </message>
    <message>
        <source>步骤 2: 正在替换</source>
        <translation>Step 2: Replacing</translation>
    </message>
    <message>
        <source>无效操作</source>
        <translation>Invalid operation</translation>
    </message>
    <message>
        <source>请只放入一个文件</source>
        <translation>Please drop only one file</translation>
    </message>
    <message>
        <source>空字符串无效</source>
        <translation>An empty string is not allowed</translation>
    </message>
    <message>
        <source>文件不是一个
Borland Pascal 7.0 可执行程序        </source>
        <translation>The file is not a
Borland Pascal 7.0 executable</translation>
    </message>
    <message>
        <source>文件已成功修补</source>
        <translation>The file was patched successfully</translation>
    </message>
    <message>
        <source>写入 QHE32.INI 错误</source>
        <translation>Error writing QHE32.INI</translation>
    </message>
    <message>
        <source>正在分配内存</source>
        <translation>Allocating memory</translation>
    </message>
    <message>
        <source>块保留在同一位置    </source>
        <translation>The block stays in the same place</translation>
    </message>
    <message>
        <source>开始(&amp;B)</source>
        <translation>&amp;Beginning</translation>
    </message>
    <message>
        <source>结束(&amp;E)</source>
        <translation>&amp;End</translation>
    </message>
    <message>
        <source>字符转换表</source>
        <translation>Character Conversion Table</translation>
    </message>
    <message>
        <source>   转  换  为 </source>
        <translation>Convert to</translation>
    </message>
    <message>
        <source>保存转换表</source>
        <translation>Save Conversion Table</translation>
    </message>
    <message>
        <source>加载转换表</source>
        <translation>Load Conversion Table</translation>
    </message>
    <message>
        <source>转换表已修改。 现在保存?</source>
        <translation>The conversion table has been modified. Save it now?</translation>
    </message>
    <message>
        <source>复制超过 %.0n 字节文本
 到剪贴板?</source>
        <translation>Copy more than %.0n bytes of text
to the clipboard?</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>正在创建预览...</source>
        <translation>Creating preview...</translation>
    </message>
    <message>
        <source>页: %d</source>
        <translation>Page: %d</translation>
    </message>
    <message>
        <source>页面的宽度／高度不足。更改设置                  
页边空白／字体大小／方向／每行字节数       
或选择“在页底打印文本”。   </source>
        <translation>The page is too narrow or too short. Change the margins,
font size, orientation or bytes per row,
or select &quot;Print text below hex&quot;.</translation>
    </message>
    <message>
        <source>保存输出到文件</source>
        <translation>Save Output to File</translation>
    </message>
    <message>
        <source>正在扫描快捷连接...</source>
        <translation>Scanning &quot;Send to&quot; shortcuts...</translation>
    </message>
    <message>
        <source>十进制: %d  十六进制: %2.2x  二进制: %s</source>
        <translation>Dec: %d  Hex: %2.2x  Bin: %s</translation>
    </message>
    <message>
        <source>%s 作为 32 位 IEEE 单精度实型: %s</source>
        <translation>%s as 32-bit IEEE single: %s</translation>
    </message>
    <message>
        <source>%s 作为 64 位 IEEE 双精度实型: %s</source>
        <translation>%s as 64-bit IEEE double: %s</translation>
    </message>
    <message>
        <source>文件以只读模式打开!</source>
        <translation>File opened in read-only mode!</translation>
    </message>
    <message>
        <source>文件处于只读模式!</source>
        <translation>The file is in read-only mode!</translation>
    </message>
    <message>
        <source>剪贴板不包含 Hex 字符串!          </source>
        <translation>The clipboard does not contain a hex string!</translation>
    </message>
    <message>
        <source>书签无效. 从列表中移除?</source>
        <translation>Invalid bookmark. Remove it from the list?</translation>
    </message>
    <message>
        <source>为当前地址添加新的书签</source>
        <translation>Add a new bookmark at the current offset</translation>
    </message>
    <message>
        <source>去除书签</source>
        <translation>Remove Bookmark</translation>
    </message>
    <message>
        <source>书签已经达到最大数目!           </source>
        <translation>The maximum number of bookmarks has been reached!</translation>
    </message>
    <message>
        <source>加载书签</source>
        <translation>Load Bookmarks</translation>
    </message>
    <message>
        <source>错误在行数 %d:    
%s</source>
        <translation>Error in line %d:
%s</translation>
    </message>
    <message>
        <source>已指示的地址无效: %s</source>
        <translation>Invalid offset specified: %s</translation>
    </message>
    <message>
        <source>无效的字节统计: %s</source>
        <translation>Invalid byte count: %s</translation>
    </message>
    <message>
        <source>无效的 Hex 字符串:
%s</source>
        <translation>Invalid hex string:
%s</translation>
    </message>
    <message>
        <source>无效命令:
%s</source>
        <translation>Invalid command:
%s</translation>
    </message>
    <message>
        <source>无效的替换 ... 由 ... 命令!</source>
        <translation>Invalid REPLACE ... BY ... command!</translation>
    </message>
    <message>
        <source>无效的校验命令!   </source>
        <translation>Invalid VERIFY command!</translation>
    </message>
    <message>
        <source>校验失败: 字符串未发现
在地址 $%x</source>
        <translation>Verification failed: string not found
at offset $%x</translation>
    </message>
    <message>
        <source>在文件末尾之外不能删除   </source>
        <translation>Cannot delete beyond the end of the file</translation>
    </message>
    <message>
        <source>在文件末尾之外不能写入    </source>
        <translation>Cannot write beyond the end of the file</translation>
    </message>
    <message>
        <source>不能转到地址: $%x</source>
        <translation>Cannot go to offset: $%x</translation>
    </message>
    <message>
        <source>无效的 joker 字符!</source>
        <translation>Invalid wildcard character!</translation>
    </message>
    <message>
        <source>文件未能通过注释器来进行修改</source>
        <translation>The file has not been modified by the interpreter.</translation>
    </message>
    <message>
        <source>语法检查已经通过，没有错误.
注意: 执行期间, 可能会产生运行时间错误.</source>
        <translation>Syntax check passed without errors.
Note: run-time errors may still occur during execution.</translation>
    </message>
    <message>
        <source>QHE 脚本注释器</source>
        <translation>QHE Script Interpreter</translation>
    </message>
    <message>
        <source>脚本已经修改.   
现在保存到文件?</source>
        <translation>The script has been modified.
Save it to a file now?</translation>
    </message>
    <message>
        <source>保存 QHE 脚本</source>
        <translation>Save QHE Script</translation>
    </message>
    <message>
        <source>加载 QHE 脚本</source>
        <translation>Load QHE Script</translation>
    </message>
    <message>
        <source>用户中断!</source>
        <translation>Cancelled by user!</translation>
    </message>
    <message>
        <source>查找: 字符串没有发现开始
在地址 $%x</source>
        <translation>FIND: string not found
(searched from offset $%x)</translation>
    </message>
    <message>
        <source>参数无效 %s%s</source>
        <translation>Invalid parameter %s%s</translation>
    </message>
    <message>
        <source>缺少运行时间参数 对于 %s%d</source>
        <translation>Missing run-time parameter for %s%d</translation>
    </message>
    <message>
        <source>读取 QHE 脚本文件错误
%s</source>
        <translation>Error reading QHE script file
%s</translation>
    </message>
    <message>
        <source>读取字符转换表错误
%s</source>
        <translation>Error reading character conversion table
%s</translation>
    </message>
    <message>
        <source>脚本执行成功!         </source>
        <translation>Script executed successfully!</translation>
    </message>
    <message>
        <source>正在访问网络, 请等待 ( 可能需要几分钟 )...</source>
        <translation>Accessing the network, please wait (this may take a few minutes)...</translation>
    </message>
    <message>
        <source>命令 %s 禁止有参数 </source>
        <translation>Command %s takes no arguments</translation>
    </message>
    <message>
        <source>不是一个 Hex 字节: %s</source>
        <translation>Not a hex byte: %s</translation>
    </message>
    <message>
        <source>无效的字节统计: %s
( 必须在 0 和 8之间 )</source>
        <translation>Invalid bit count: %s
(must be between 0 and 8)</translation>
    </message>
    <message>
        <source>Bitwise 操作</source>
        <translation>Bitwise operation</translation>
    </message>
    <message>
        <source>作为Unicode Latin(UTF-&amp;16LE)</source>
        <translation>As Unicode (UTF-&amp;16LE)</translation>
    </message>
    <message>
        <source>作为Unicode Latin(UTF-&amp;16BE)</source>
        <translation>As Unicode (UTF-&amp;16BE)</translation>
    </message>
    <message>
        <source>作为Unicode Latin(UTF-1&amp;6LE)</source>
        <translation>As Unicode (UTF-1&amp;6LE)</translation>
    </message>
    <message>
        <source>作为Unicode Latin(UTF-1&amp;6BE)</source>
        <translation>As Unicode (UTF-1&amp;6BE)</translation>
    </message>
</context>
<context>
    <name>ScriptMenu</name>
    <message>
        <source>地址(&amp;A)</source>
        <translation>&amp;Address</translation>
    </message>
    <message>
        <source>&amp;Bitwise 操作</source>
        <translation>&amp;Bitwise Operations</translation>
    </message>
    <message>
        <source>查找(&amp;F)</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>通配符(&amp;J)</source>
        <translation>&amp;Joker</translation>
    </message>
    <message>
        <source>替换(&amp;R)</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <source>ADR&amp;EOF (转到文件结尾)</source>
        <translation>ADR&amp;EOF (go to end of file)</translation>
    </message>
    <message>
        <source>&amp;CHARCON &lt;QCT 文件名&gt;</source>
        <translation>&amp;CHARCON &lt;QCT file name&gt;</translation>
    </message>
    <message>
        <source>&amp;EXIT (终止脚本执行)</source>
        <translation>E&amp;XIT (stop running the script)</translation>
    </message>
    <message>
        <source>&amp;JOKERON &lt;hex char&gt; (用于查找、替换；如 2E)</source>
        <translation>&amp;JOKERON &lt;hex char&gt; (wildcard for find and replace; e.g. 2E)</translation>
    </message>
    <message>
        <source>JOKER&amp;OFF (停止用于查找、替换的通配符字符)</source>
        <translation>JOKER&amp;OFF (turn off the wildcard for find and replace)</translation>
    </message>
    <message>
        <source>&amp;MSG &lt;message&gt; (显示信息)</source>
        <translation>&amp;MSG &lt;message&gt; (show a message)</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>范围选取错误</source>
        <translation>Value out of range</translation>
    </message>
    <message>
        <source>浮点溢出</source>
        <translation>Floating-point overflow</translation>
    </message>
    <message>
        <source>浮点下溢</source>
        <translation>Floating-point underflow</translation>
    </message>
    <message>
        <source>标记块所包含的字符个数</source>
        <translation>Mark Block by Length</translation>
    </message>
    <message>
        <source>输入要标记的字符个数&lt;n&gt;</source>
        <translation>Number of bytes to mark &lt;n&gt;</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>连接入  %s 文件夹不存在...........</source>
        <translation>No shortcut in the %s folder yet...</translation>
    </message>
    <message>
        <source>创建连接用名称：      </source>
        <translation>Name of the new shortcut:</translation>
    </message>
    <message>
        <source>保存书签</source>
        <translation>Save Bookmarks</translation>
    </message>
    <message>
        <source>名称:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>%s
文件太大, 不能打开: 只能编辑小于 2 GB (2,147,483,648 字节) 的文件</source>
        <translation>%s
The file is too large to open: only files smaller than 2 GB (2,147,483,648 bytes) can be edited</translation>
    </message>
    <message>
        <source>%s 无法借助临时文件保存, 已直接覆盖写入</source>
        <translation>%s could not be saved via a temporary file and was overwritten directly</translation>
    </message>
    <message>
        <source>文件 %s 在打开后已被其他程序修改。
仍要覆盖吗?</source>
        <translation>The file %s has been changed by another program since it was opened.
Overwrite it anyway?</translation>
    </message>
    <message>
        <source>文件 %s 在打开后已被其他程序修改。
没有写入文件, 以免覆盖其他程序的改动</source>
        <translation>The file %s has been changed by another program since it was opened.
It was not written, so that the other program&apos;s changes are not overwritten</translation>
    </message>
    <message>
        <source>文件 %s 在读取期间被其他程序改变了大小。
只读入了开始读取时的 %d 字节 (文件现在有 %d 字节)</source>
        <translation>Another program changed the size of the file %s while it was being read.
Only the %d bytes present when reading started were read (the file now has %d bytes)</translation>
    </message>
    <message>
        <source>%s
不能保存: 这个大文件有多个硬链接, 或它的文件夹里不能建立临时文件;
插入或删除后只能写成新文件。请用“另存为”</source>
        <translation>%s
Cannot save: this large file has several hard links, or no temporary file can be created in its folder;
after inserts or deletes it can only be written as a new file. Please use &quot;Save As&quot;</translation>
    </message>
    <message>
        <source>%s
不是普通文件 (管道、设备或文件夹), 不能打开</source>
        <translation>%s
is not a regular file (it is a pipe, device or folder) and cannot be opened</translation>
    </message>
    <message>
        <source>%s
不是普通文件 (管道、设备或文件夹), 不能写入</source>
        <translation>%s
is not a regular file (it is a pipe, device or folder) and cannot be written</translation>
    </message>
    <message>
        <source>%s 是设备 (磁盘或分区), 大小不能改变:
只能改写, 不能插入或删除字节</source>
        <translation>%s is a device (disk or partition) whose size cannot change:
bytes can only be overwritten, not inserted or deleted</translation>
    </message>
    <message>
        <source>块有 %.0n 字节, 太大了, 不能放到剪贴板 (最多 %d MB)。
请用“文件”菜单的“写入块”把它存为文件</source>
        <translation>The block has %.0n bytes, too large for the clipboard (at most %d MB).
Use &quot;Write Block&quot; on the &quot;File&quot; menu to save it as a file</translation>
    </message>
    <message>
        <source>要把改动的 %d 字节直接写入设备 %s 吗?
设备上原来的这些数据将被覆盖, 不能撤销。</source>
        <translation>Write the %d changed bytes directly to the device %s?
The existing data there will be overwritten; this cannot be undone.</translation>
    </message>
    <message>
        <source>%s
保存失败: 从偏移 %x (十六进制) 起的改动没有写入文件, 它们仍在编辑器中</source>
        <translation>%s
Save failed: the changes from offset %x (hex) on were not written to the file; they are still in the editor</translation>
    </message>
    <message>
        <source>%s
有 %d 页数据读取失败 (显示为 0), 为免写入错误数据, 不能保存</source>
        <translation>%s
%d pages of data could not be read (shown as 0); the file cannot be saved, to avoid writing wrong data</translation>
    </message>
    <message>
        <source>原有的文件 %s 没有改变</source>
        <translation>The existing file %s was not changed</translation>
    </message>
    <message>
        <source>整个文件 (%.0n 字节)</source>
        <translation>Whole file (%.0n bytes)</translation>
    </message>
    <message>
        <source>块 %s - %s (%.0n 字节)</source>
        <translation>Block %s - %s (%.0n bytes)</translation>
    </message>
    <message>
        <source>正在计算哈希值...</source>
        <translation>Computing hashes...</translation>
    </message>
    <message>
        <source>块有 %.0n 字节, 转换成的文本太大, 不能放到剪贴板 (最多 %d MB 文本)</source>
        <translation>The block has %.0n bytes; as text it would be too large for the clipboard (at most %d MB of text)</translation>
    </message>
    <message>
        <source>剪贴板上没有 base64 文本</source>
        <translation>The clipboard holds no base64 text</translation>
    </message>
    <message>
        <source>块: %s - %s (%.0n 字节)</source>
        <translation>Block: %s - %s (%.0n bytes)</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Typing</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>QHE 脚本</source>
        <translation>QHE Script</translation>
    </message>
    <message>
        <source>替换全部 (%.0n)</source>
        <translation>Replace All (%.0n)</translation>
    </message>
    <message>
        <source>撤销: %s</source>
        <translation>Undo: %s</translation>
    </message>
    <message>
        <source>重做: %s</source>
        <translation>Redo: %s</translation>
    </message>
    <message>
        <source>这一步超出撤销的内存上限, 不能撤销</source>
        <translation>This step exceeds the undo memory limit and cannot be undone</translation>
    </message>
    <message>
        <source>内存不足, 不能撤销或重做这一步</source>
        <translation>Not enough memory to undo or redo this step</translation>
    </message>
    <message>
        <source>%s 和 %s 是同一个文件, 内容相同</source>
        <translation>%s and %s are the same file; the contents are identical</translation>
    </message>
    <message>
        <source>%s
在比较期间被其他程序改变或读取出错, 比较结果不可靠</source>
        <translation>%s
was changed by another program or could not be read during the comparison; the result is not reliable</translation>
    </message>
    <message>
        <source>比较 %s 与 %s</source>
        <translation>Compare %s with %s</translation>
    </message>
    <message>
        <source> (A 为编辑器中未保存的内容)</source>
        <translation> (A is the unsaved content in the editor)</translation>
    </message>
    <message>
        <source>A: %.0n 字节, B: %.0n 字节</source>
        <translation>A: %.0n bytes, B: %.0n bytes</translation>
    </message>
    <message>
        <source>; 正在比较... %d%%, 已找到 %.0n 处差异</source>
        <translation>; comparing... %d%%, %.0n differences found so far</translation>
    </message>
    <message>
        <source>; 内容相同</source>
        <translation>; identical</translation>
    </message>
    <message>
        <source>; 不同: %.0n 处差异, 共 %.0n 字节</source>
        <translation>; different: %.0n differences, %.0n bytes in total</translation>
    </message>
    <message>
        <source> (列表只保留前 %.0n 处)</source>
        <translation> (list shows only the first %.0n)</translation>
    </message>
    <message>
        <source>; 注意: %s 有页面读取出错 (显示为 0), 文件可能在比较期间被改变</source>
        <translation>; note: some pages of %s could not be read (shown as 0); the file may have changed during the comparison</translation>
    </message>
    <message>
        <source>改变</source>
        <translation>Changed</translation>
    </message>
    <message>
        <source>仅在 A</source>
        <translation>Only in A</translation>
    </message>
    <message>
        <source>仅在 B</source>
        <translation>Only in B</translation>
    </message>
    <message>
        <source> (未找到同步点)</source>
        <translation> (no sync point found)</translation>
    </message>
    <message>
        <source>第 %s / %s 处差异    A: %s = %s    B: %s = %s</source>
        <translation>Difference %s of %s    A: %s = %s    B: %s = %s</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>比较文件: 选择文件 A</source>
        <translation>Compare Files: Choose File A</translation>
    </message>
    <message>
        <source>比较文件: 选择要与之比较的文件 B</source>
        <translation>Compare Files: Choose File B to Compare With</translation>
    </message>
    <message>
        <source>保存差异列表</source>
        <translation>Save Difference List</translation>
    </message>
    <message>
        <source>%s 有未保存的修改, 而且太大, 不能复制到内存中比较。
请先保存, 再比较</source>
        <translation>%s has unsaved changes and is too large to copy into memory for comparing.
Please save it first, then compare</translation>
    </message>
    <message>
        <source>PDF 文件</source>
        <translation>PDF File</translation>
    </message>
    <message>
        <source>每行字节数必须是 1 到 99 之间的数字</source>
        <translation>Bytes per row must be a number from 1 to 99</translation>
    </message>
    <message>
        <source>十六进制字符串包含字母, 不区分大小写的查找也会找到其他大小写形式。
要区分大小写吗?</source>
        <translation>The hex string contains letters; a case-insensitive search will also find other upper/lower case forms.
Make the search case-sensitive?</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>%s
不是普通文件 (而是管道、设备或文件夹), 不能读取或写入</source>
        <translation>%s
is not a regular file (it is a pipe, device or folder) and cannot be read or written</translation>
    </message>
    <message>
        <source>%s
文件太大, 不能读取: 设置、转换表、书签和脚本文件最多 16 MB (16,777,216 字节)</source>
        <translation>%s
The file is too large to read: settings, conversion table, bookmark and script files can be at most 16 MB (16,777,216 bytes)</translation>
    </message>
    <message>
        <source>文件: %s (%d Bytes)</source>
        <translation>File: %s (%d bytes)</translation>
    </message>
    <message>
        <source>%s
已保存, 但系统清除了它的 setuid/setgid 位 (只有文件的所有者能重新设置)</source>
        <translation>%s
was saved, but the system cleared its setuid/setgid bit (only the owner of the file can set it again)</translation>
    </message>
    <message>
        <source>%s
上次保存在写入时被中断, 现已按保存日志完成, 文件是保存后的内容</source>
        <translation>%s
The last save was interrupted while writing; it has now been completed from its save journal, and the file holds the saved contents</translation>
    </message>
    <message>
        <source>%s
上次保存在写入时被中断, 无法按保存日志完成; 日志保留, 下次打开时再试</source>
        <translation>%s
The last save was interrupted while writing and could not be completed from its save journal; the journal is kept and tried again at the next open</translation>
    </message>
    <message>
        <source>%s
有 %d 页数据读取失败 (文件可能被其他程序截短了), 这些页读作 0。
算出的值不是这个文件的, 所以不显示</source>
        <translation>%s
%d pages could not be read (another program may have cut the file short); they read as zeros.
The values computed are not the file&apos;s, so none is shown</translation>
    </message>
    <message>
        <source>%s
没有找到, 但有 %d 页数据读取失败 (读作 0), 在那里没能搜索</source>
        <translation>%s
Not found, but %d pages could not be read (they read as zeros) and could not be searched</translation>
    </message>
    <message>
        <source>%s
有 %d 页数据读取失败 (文件可能被其他程序截短了), 这些页读作 0, 结果可能不对</source>
        <translation>%s
%d pages could not be read (another program may have cut the file short); they read as zeros, so the result may be wrong</translation>
    </message>
    <message>
        <source>%s
有 %d 页数据读取失败 (文件可能被其他程序截短了), 它们显示为 0, 不是文件的内容</source>
        <translation>%s
%d pages could not be read (another program may have cut the file short); they show as zeros, which are not the file&apos;s contents</translation>
    </message>
    <message>
        <source>读取出错 (文件可能在比较期间被截短了), 比较在此中止</source>
        <translation>read error (the file may have been cut short during the compare); the compare stopped here</translation>
    </message>
    <message>
        <source>在比较期间被其他程序改变了, 比较结果不可靠</source>
        <translation>changed by another program during the compare; the result is not reliable</translation>
    </message>
    <message>
        <source>不是普通文件 (管道、设备或文件夹)</source>
        <translation>not a regular file (a pipe, device or folder)</translation>
    </message>
    <message>
        <source>不能映射, 而且大于 %d MB, 不能读入内存比较</source>
        <translation>cannot be mapped and is larger than %d MB, too large to read into memory</translation>
    </message>
    <message>
        <source>列出 %.0n 处差异后停止 (--max-diffs), 后面还有差异</source>
        <translation>stopped after %.0n differences (--max-diffs); more differences follow</translation>
    </message>
    <message>
        <source>“%s” 不是文件 A 中的偏移: 请输入 0 到 %s 之间的十六进制数</source>
        <translation>“%s” is not an offset in file A: enter a hexadecimal number from 0 to %s</translation>
    </message>
    <message>
        <source>编辑器中的 A 在比较之后又改变了, 这里显示的是比较时的内容</source>
        <translation>A has changed in the editor since the compare; this shows the contents as they were compared</translation>
    </message>
</context>
<context>
    <name>qhe::DiffListModel</name>
    <message>
        <source>偏移 A</source>
        <translation>Offset A</translation>
    </message>
    <message>
        <source>偏移 B</source>
        <translation>Offset B</translation>
    </message>
    <message>
        <source>长度 A</source>
        <translation>Length A</translation>
    </message>
    <message>
        <source>长度 B</source>
        <translation>Length B</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>qhe::HelpWindow</name>
    <message>
        <source>&lt;p&gt;&lt;a href=&quot;topic:0&quot;&gt;目录&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;a href=&quot;topic:0&quot;&gt;Contents&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>QHE32 帮助</source>
        <translation>QHE32 Help</translation>
    </message>
</context>
<context>
    <name>qhe::InputTextDialog</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>qhe::MemoDialog</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>qhe::MessageDialog</name>
    <message>
        <source>是(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>否(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>qhe::TFormBit</name>
    <message>
        <source>Bit 编辑</source>
        <translation>Bit Editor</translation>
    </message>
    <message>
        <source>Bit 状态</source>
        <translation>Bit states</translation>
    </message>
    <message>
        <source>全部检查(&amp;C)</source>
        <translation>&amp;Check All</translation>
    </message>
    <message>
        <source>取消全部检查(&amp;U)</source>
        <translation>&amp;Uncheck All</translation>
    </message>
    <message>
        <source>全部切换(&amp;T)</source>
        <translation>&amp;Toggle All</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>重读(&amp;R)</source>
        <translation>&amp;Reread</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>qhe::TFormCharTable</name>
    <message>
        <source>清除表格(&amp;T)</source>
        <translation>Clear &amp;Table</translation>
    </message>
    <message>
        <source>保存表格(&amp;S)</source>
        <translation>&amp;Save Table</translation>
    </message>
    <message>
        <source>加载表格(&amp;L)</source>
        <translation>&amp;Load Table</translation>
    </message>
    <message>
        <source>转换(&amp;C)</source>
        <translation>&amp;Convert</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>范围从</source>
        <translation>Start from</translation>
    </message>
    <message>
        <source>光标</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Beginning</translation>
    </message>
</context>
<context>
    <name>qhe::TFormCompare</name>
    <message>
        <source>第一处差异</source>
        <translation>First Difference</translation>
    </message>
    <message>
        <source>上一处差异</source>
        <translation>Previous Difference</translation>
    </message>
    <message>
        <source>下一处差异</source>
        <translation>Next Difference</translation>
    </message>
    <message>
        <source>最后一处差异</source>
        <translation>Last Difference</translation>
    </message>
    <message>
        <source>转到(&amp;G)...</source>
        <translation>&amp;Go To...</translation>
    </message>
    <message>
        <source>在编辑器中转到(&amp;E)</source>
        <translation>Show in &amp;Editor</translation>
    </message>
    <message>
        <source>保存列表(&amp;S)...</source>
        <translation>&amp;Save List...</translation>
    </message>
    <message>
        <source>同步插入和删除(&amp;R)</source>
        <translation>&amp;Resync after insertions/deletions</translation>
    </message>
    <message>
        <source>差异之后, 在两边再次有一段字节相同处继续比较, 插入或删除的字节只算一处差异</source>
        <translation>After a difference, continue comparing where both sides have a run of identical bytes again, so that inserted or deleted bytes count as one difference</translation>
    </message>
    <message>
        <source> 字节</source>
        <translation> bytes</translation>
    </message>
    <message>
        <source>两边连续这么多字节相同, 才算重新同步</source>
        <translation>Resync only when this many consecutive bytes are identical on both sides</translation>
    </message>
    <message>
        <source>同步长度(&amp;N):</source>
        <translation>Resync le&amp;ngth:</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>转到</source>
        <translation>Go To</translation>
    </message>
    <message>
        <source>文件 A 中的偏移 (十六进制):</source>
        <translation>Offset in file A (hex):</translation>
    </message>
    <message>
        <source>重新比较(&amp;A)</source>
        <translation>Compare &amp;Again</translation>
    </message>
</context>
<context>
    <name>qhe::TFormEncode</name>
    <message>
        <source>数字编码</source>
        <translation>Encode Number</translation>
    </message>
    <message>
        <source>数字为</source>
        <translation>Encode as</translation>
    </message>
    <message>
        <source>短整型( 1 字节 )(&amp;S)</source>
        <translation>&amp;Signed 8-bit (1 byte)</translation>
    </message>
    <message>
        <source>字节型( 1 字节 )(&amp;B)</source>
        <translation>&amp;Unsigned 8-bit (1 byte)</translation>
    </message>
    <message>
        <source>字类型( 2 字节 )(&amp;W)</source>
        <translation>U&amp;nsigned 16-bit (2 bytes)</translation>
    </message>
    <message>
        <source>整型  ( 2 字节 )(&amp;I)</source>
        <translation>S&amp;igned 16-bit (2 bytes)</translation>
    </message>
    <message>
        <source>长整型( 4 字节 )(&amp;L)</source>
        <translation>Si&amp;gned 32-bit (4 bytes)</translation>
    </message>
    <message>
        <source>&amp;32 位 IEEE 单精度实型</source>
        <translation>&amp;32-bit IEEE single</translation>
    </message>
    <message>
        <source>&amp;64 位 IEEE 双精度实型</source>
        <translation>&amp;64-bit IEEE double</translation>
    </message>
    <message>
        <source>在当前地址前插入(&amp;E)</source>
        <translation>Ins&amp;ert before current offset</translation>
    </message>
    <message>
        <source>覆盖当前地址(&amp;O)</source>
        <translation>&amp;Overwrite at current offset</translation>
    </message>
    <message>
        <source>这里(&amp;H)</source>
        <translation>&amp;Here</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>qhe::TFormFind</name>
    <message>
        <source>文本字符串(&amp;T)</source>
        <translation>&amp;Text string</translation>
    </message>
    <message>
        <source>文本 -&gt; 十六进制</source>
        <translation>Text -&gt; Hex</translation>
    </message>
    <message>
        <source>十六进制字符串(&amp;H)</source>
        <translation>&amp;Hex string</translation>
    </message>
    <message>
        <source>区分大小写(&amp;S)</source>
        <translation>Case &amp;sensitive</translation>
    </message>
    <message>
        <source>通配符 Hex(&amp;J):</source>
        <translation>&amp;Wildcard byte:</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>向下(&amp;D)</source>
        <translation>&amp;Down</translation>
    </message>
    <message>
        <source>向上(&amp;U)</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <source>范围从</source>
        <translation>Start from</translation>
    </message>
    <message>
        <source>光标(&amp;C)</source>
        <translation>&amp;Cursor</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>qhe::TFormHash</name>
    <message>
        <source>哈希值</source>
        <translation>Hashes</translation>
    </message>
    <message>
        <source>BLAKE3: Debian 没有它的 C 程序库, 所以不提供</source>
        <translation>BLAKE3: not offered, as Debian has no C library for it</translation>
    </message>
    <message>
        <source>计算(&amp;C)</source>
        <translation>&amp;Compute</translation>
    </message>
    <message>
        <source>全部复制(&amp;A)</source>
        <translation>Copy &amp;All</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
</context>
<context>
    <name>qhe::TFormIns</name>
    <message>
        <source>文本字符串(&amp;T)</source>
        <translation>&amp;Text string</translation>
    </message>
    <message>
        <source>文本(&amp;X) -&gt; Hex</source>
        <translation>Te&amp;xt -&gt; Hex</translation>
    </message>
    <message>
        <source>&amp;Hex 字符串</source>
        <translation>&amp;Hex string</translation>
    </message>
    <message>
        <source>插入 &lt;n&gt; 次数</source>
        <translation>Insert &lt;n&gt; times</translation>
    </message>
    <message>
        <source>十进制(&amp;D)</source>
        <translation>&amp;Decimal</translation>
    </message>
    <message>
        <source>十六进制(&amp;H)</source>
        <translation>H&amp;exadecimal</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>qhe::TFormInspect</name>
    <message>
        <source>数据查看窗</source>
        <translation>Data Inspector</translation>
    </message>
    <message>
        <source>配置(&amp;C)...</source>
        <translation>&amp;Configure...</translation>
    </message>
    <message>
        <source>编辑(&amp;E)...</source>
        <translation>&amp;Edit...</translation>
    </message>
</context>
<context>
    <name>qhe::TFormListBox</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>qhe::TFormMain</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>qhe::TFormNumberEntry</name>
    <message>
        <source>转到地址</source>
        <translation>Go to Offset</translation>
    </message>
    <message>
        <source>转到</source>
        <translation>Go to</translation>
    </message>
    <message>
        <source>输入同步跳宽</source>
        <translation>Enter Step Width</translation>
    </message>
    <message>
        <source>同步跳宽</source>
        <translation>Step width</translation>
    </message>
    <message>
        <source>标记块所包含的字符个数</source>
        <translation>Mark Block by Length</translation>
    </message>
    <message>
        <source>输入要标记的字符个数&lt;n&gt;</source>
        <translation>Number of bytes to mark &lt;n&gt;</translation>
    </message>
    <message>
        <source>十进制(&amp;D)</source>
        <translation>&amp;Decimal</translation>
    </message>
    <message>
        <source>十六进制(&amp;H)</source>
        <translation>&amp;Hexadecimal</translation>
    </message>
    <message>
        <source>执行模式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>绝对(&amp;A)</source>
        <translation>&amp;Absolute</translation>
    </message>
    <message>
        <source>相对向下(&amp;O)</source>
        <translation>Relative d&amp;own</translation>
    </message>
    <message>
        <source>相对向上(&amp;U)</source>
        <translation>Relative &amp;up</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>qhe::TFormOSE</name>
    <message>
        <source>以只读模式打开(&amp;R)</source>
        <translation>Open &amp;read-only</translation>
    </message>
</context>
<context>
    <name>qhe::TFormOpt</name>
    <message>
        <source>自动 (按系统的区域设置)</source>
        <translation>Automatic (system locale)</translation>
    </message>
    <message>
        <source>下次启动时生效</source>
        <translation>Takes effect on the next start</translation>
    </message>
    <message>
        <source>界面语言(&amp;L):</source>
        <translation>Interface &amp;language:</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>首字节的偏移量（地址） </source>
        <translation>Offset of the first byte</translation>
    </message>
    <message>
        <source>用旧数据/时间来保存文件(&amp;S)  </source>
        <translation>&amp;Save with the file&apos;s old date/time</translation>
    </message>
    <message>
        <source>用 EOF 字符来创建新的文件(&amp;E)</source>
        <translation>Create new files with an &amp;EOF character</translation>
    </message>
    <message>
        <source>重新打开历史记录(&amp;O):     </source>
        <translation>Re&amp;open history length:</translation>
    </message>
    <message>
        <source>撤销内存上限 (MB, 0 = 关闭):</source>
        <translation>Undo memory limit (MB, 0 = off):</translation>
    </message>
    <message>
        <source>从此大小起不整个读入, 直接映射 (MB):</source>
        <translation>Memory-map files from this size on (MB):</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>常规</source>
        <translation>General</translation>
    </message>
    <message>
        <source>隐藏工具条(&amp;H)</source>
        <translation>H&amp;ide toolbar</translation>
    </message>
    <message>
        <source>隐藏行地址(&amp;A)</source>
        <translation>Hide row &amp;offsets</translation>
    </message>
    <message>
        <source>左边文本栅格(&amp;T)</source>
        <translation>&amp;Text grid on the left</translation>
    </message>
    <message>
        <source>显示栅格排列(&amp;G)</source>
        <translation>Show &amp;grid lines</translation>
    </message>
    <message>
        <source>使用空白来显示控制字符(&amp;U)</source>
        <translation>&amp;Use blanks to show control characters</translation>
    </message>
    <message>
        <source>默认(&amp;D)</source>
        <translation>&amp;Default</translation>
    </message>
    <message>
        <source>字体(&amp;F): </source>
        <translation>&amp;Font:</translation>
    </message>
    <message>
        <source>字体大小(&amp;S):    </source>
        <translation>Font &amp;size:</translation>
    </message>
    <message>
        <source>行数(&amp;R):   </source>
        <translation>&amp;Rows:</translation>
    </message>
    <message>
        <source>列数(&amp;C):  </source>
        <translation>&amp;Columns:</translation>
    </message>
    <message>
        <source>块字符颜色(&amp;B):</source>
        <translation>&amp;Block text color:</translation>
    </message>
    <message>
        <source>外观</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>字节顺序，用于 数字 和 UTF-16</source>
        <translation>Byte order for numbers and UTF-16</translation>
    </message>
    <message>
        <source>&amp;Little-endian ( 英特尔 )</source>
        <translation>&amp;Little-endian (Intel)</translation>
    </message>
    <message>
        <source>&amp;Big-endian ( 摩托罗拉 )</source>
        <translation>&amp;Big-endian (Motorola)</translation>
    </message>
    <message>
        <source>数据检查器</source>
        <translation>Data Inspector</translation>
    </message>
    <message>
        <source>用发送到文件夹连接( 在 Windows NT 下)</source>
        <translation>Shortcut in the &quot;Send to&quot; folder (under Windows NT)</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>快捷连接</source>
        <translation>&quot;Send to&quot; Shortcut</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>qhe::TFormPreview</name>
    <message>
        <source>转到首页</source>
        <translation>Go to first page</translation>
    </message>
    <message>
        <source>转到前一页</source>
        <translation>Go to previous page</translation>
    </message>
    <message>
        <source>转到下一页</source>
        <translation>Go to next page</translation>
    </message>
    <message>
        <source>转到最后一页</source>
        <translation>Go to last page</translation>
    </message>
    <message>
        <source>快速调整页面宽度/页面高度</source>
        <translation>Fit to page width/page height</translation>
    </message>
    <message>
        <source>只打印此页</source>
        <translation>Print this page only</translation>
    </message>
    <message>
        <source>打印全部页</source>
        <translation>Print all pages</translation>
    </message>
    <message>
        <source>没有打印，退出</source>
        <translation>Exit without printing</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>qhe::TFormPrint</name>
    <message>
        <source>PDF 文件</source>
        <translation>PDF File</translation>
    </message>
    <message>
        <source>打印机(&amp;P):</source>
        <translation>&amp;Printer:</translation>
    </message>
    <message>
        <source>打印的范围</source>
        <translation>Print range</translation>
    </message>
    <message>
        <source>当前页面(&amp;C)</source>
        <translation>&amp;Current page</translation>
    </message>
    <message>
        <source>当前选择(&amp;S)</source>
        <translation>&amp;Selection</translation>
    </message>
    <message>
        <source>全部页面(&amp;A) </source>
        <translation>&amp;All pages</translation>
    </message>
    <message>
        <source>字体大小(&amp;F):</source>
        <translation>&amp;Font size:</translation>
    </message>
    <message>
        <source>每行字节数(&amp;Y):</source>
        <translation>B&amp;ytes per row:</translation>
    </message>
    <message>
        <source>页边空白</source>
        <translation>Margins</translation>
    </message>
    <message>
        <source>左(&amp;L):</source>
        <translation>&amp;Left:</translation>
    </message>
    <message>
        <source>右(&amp;R):</source>
        <translation>&amp;Right:</translation>
    </message>
    <message>
        <source>顶部(&amp;T):</source>
        <translation>&amp;Top:</translation>
    </message>
    <message>
        <source>底部(&amp;B):</source>
        <translation>&amp;Bottom:</translation>
    </message>
    <message>
        <source>毫米</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>英寸</source>
        <translation>inches</translation>
    </message>
    <message>
        <source>单位(&amp;U):</source>
        <translation>&amp;Unit:</translation>
    </message>
    <message>
        <source>风景定位(代替肖像)(&amp;O)</source>
        <translation>Landscape &amp;orientation (instead of portrait)</translation>
    </message>
    <message>
        <source>用十进制打印偏移量(代替十六进制)(&amp;D)</source>
        <translation>Print offsets in &amp;decimal (instead of hex)</translation>
    </message>
    <message>
        <source>打印文本下面十六进制(即第二行)(&amp;W)</source>
        <translation>Print text belo&amp;w hex</translation>
    </message>
    <message>
        <source>改变方向输出到文件(&amp;E)</source>
        <translation>R&amp;edirect output to file</translation>
    </message>
    <message>
        <source>预览/打印</source>
        <translation>Preview/Print</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>qhe::TFormReplace</name>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>&amp;Text 字符串</source>
        <translation>&amp;Text string</translation>
    </message>
    <message>
        <source>&amp;Hex 字符串</source>
        <translation>&amp;Hex string</translation>
    </message>
    <message>
        <source>替换用</source>
        <translation>Replace with</translation>
    </message>
    <message>
        <source>T&amp;ext 字符串</source>
        <translation>T&amp;ext string</translation>
    </message>
    <message>
        <source>He&amp;x 字符串</source>
        <translation>He&amp;x string</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>区分大小写(&amp;S)</source>
        <translation>Case &amp;sensitive</translation>
    </message>
    <message>
        <source>通配符 Hex(&amp;J):</source>
        <translation>&amp;Wildcard byte:</translation>
    </message>
    <message>
        <source>范围从</source>
        <translation>Start from</translation>
    </message>
    <message>
        <source>光标(&amp;C)</source>
        <translation>&amp;Cursor</translation>
    </message>
    <message>
        <source>请求(&amp;B)</source>
        <translation>&amp;Beginning</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>全部替换(&amp;A)</source>
        <translation>Replace &amp;All</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>qhe::TFormScript</name>
    <message>
        <source>语法检查</source>
        <translation>Check Syntax</translation>
    </message>
    <message>
        <source>执行</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>脚本(&amp;S)</source>
        <translation>&amp;Script</translation>
    </message>
    <message>
        <source>打开(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>另存为(&amp;A)</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>插入命令(&amp;I)</source>
        <translation>&amp;Insert Command</translation>
    </message>
</context>
<context>
    <name>TextsBothOne</name>
    <message>
        <source>A: %.0n 字节, B: %.0n 字节</source>
        <translation>A: %.0n byte, B: %.0n byte</translation>
    </message>
    <message>
        <source>; 不同: %.0n 处差异, 共 %.0n 字节</source>
        <translation>; different: %.0n difference, %.0n byte in total</translation>
    </message>
</context>
<context>
    <name>TextsFirstOne</name>
    <message>
        <source>A: %.0n 字节, B: %.0n 字节</source>
        <translation>A: %.0n byte, B: %.0n bytes</translation>
    </message>
    <message>
        <source>; 不同: %.0n 处差异, 共 %.0n 字节</source>
        <translation>; different: %.0n difference, %.0n bytes in total</translation>
    </message>
    <message>
        <source>列出 %.0n 处差异后停止 (--max-diffs), 后面还有差异</source>
        <translation>stopped after %.0n difference (--max-diffs); more differences follow</translation>
    </message>
</context>
<context>
    <name>TextsSecondOne</name>
    <message>
        <source>A: %.0n 字节, B: %.0n 字节</source>
        <translation>A: %.0n bytes, B: %.0n byte</translation>
    </message>
    <message>
        <source>; 正在比较... %d%%, 已找到 %.0n 处差异</source>
        <translation>; comparing... %d%%, %.0n difference found so far</translation>
    </message>
</context>
</TS>
