<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Charsets</name>
    <message>
        <source>Western</source>
        <translation>西欧</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>中欧</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>西里尔文</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>希腊文</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>土耳其文</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>希伯来文</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>阿拉伯文</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>波罗的海</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>越南文</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>泰文</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日文</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韩文</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>电视</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>广播</translation>
    </message>
    <message>
        <source>The list of last files can not be stored.</source>
        <translation>无法保存最近文件列表。</translation>
    </message>
    <message numerus="yes">
        <source>The database has %n error. Write into the receiver anyway?</source>
        <translation>
            <numerusform>数据库有 %n 个错误。仍要写入接收机吗？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The database has %n errors. Write into the receiver anyway?</source>
        <translation>
            <numerusform>数据库有 %n 个错误。仍要写入接收机吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare...</source>
        <translation>比较...</translation>
    </message>
</context>
<context>
    <name>NameField</name>
    <message>
        <source>The name is too long: %1 bytes in %2, at most %3.</source>
        <translation>名称过长：在 %2 中为 %1 字节，最多 %3 字节。</translation>
    </message>
    <message>
        <source>The name cannot be written in %1: it has no &quot;%2&quot;.</source>
        <translation>无法以 %1 写入该名称：其中没有“%2”。</translation>
    </message>
</context>
<context>
    <name>Orvane</name>
    <message>
        <source>File is being opened now. Please wait......</source>
        <translation>正在打开文件，请稍候......</translation>
    </message>
    <message>
        <source>File is being save now. Please wait......</source>
        <translation>正在保存文件，请稍候......</translation>
    </message>
    <message>
        <source>Setting not saved, exit anyway?</source>
        <translation>更改尚未保存，仍要退出吗？</translation>
    </message>
    <message>
        <source>Setting not saved, open another file anyway?</source>
        <translation>更改尚未保存，仍要打开其他文件吗？</translation>
    </message>
    <message>
        <source>The file has existed, are you sure to cover it?</source>
        <translation>文件已存在，确定要覆盖吗？</translation>
    </message>
    <message>
        <source>Open The File Name:  </source>
        <translation>已打开文件：  </translation>
    </message>
    <message>
        <source>FileName:  </source>
        <translation>文件名：  </translation>
    </message>
    <message>
        <source>Modifiable [FDD] Version:</source>
        <translation>可修改的 [FDD] 版本：</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>恢复备份</translation>
    </message>
    <message>
        <source>Backups of replaced database files in %1, newest first. The chosen one goes back into the file it was taken from; save it to keep it.</source>
        <translation>%1 中被替换的数据库文件的备份，最新的在前。所选备份会恢复到其来源文件中；保存后才会保留。</translation>
    </message>
    <message>
        <source>Restore the backup into...</source>
        <translation>将备份恢复到...</translation>
    </message>
    <message>
        <source>not a database file</source>
        <translation>不是数据库文件</translation>
    </message>
    <message>
        <source>Check database</source>
        <translation>检查数据库</translation>
    </message>
    <message>
        <source>Remove duplicate programs</source>
        <translation>删除重复节目</translation>
    </message>
    <message>
        <source>Delete all empty transponders</source>
        <translation>删除所有空转发器</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or later</source>
        <translation>GNU 通用公共许可证第 3 版或更高版本</translation>
    </message>
    <message>
        <source>Check database...</source>
        <translation>检查数据库...</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>查找...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>查找下一个</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>查找上一个</translation>
    </message>
    <message>
        <source>Order like another file</source>
        <translation>按其他文件排序</translation>
    </message>
    <message>
        <source>Move programs</source>
        <translation>移动节目</translation>
    </message>
    <message>
        <source>Programs are matched to the programs of the other file by kind (TV or radio), service id and the frequency of their transponder (within 2 MHz for satellites), then by name. Matched programs take the other file&apos;s order; the others follow in their own order.</source>
        <translation>节目按类型（电视或广播）、服务 ID 及其转发器的频率（卫星节目误差在 2 MHz 以内）与另一文件的节目匹配，然后按名称匹配。匹配的节目采用另一文件的顺序；其余节目按原顺序排在其后。</translation>
    </message>
    <message>
        <source>Also take the names of the matched programs</source>
        <translation>同时采用匹配节目的名称</translation>
    </message>
    <message>
        <source>Also take the favourite groups of the matched programs, and the groups&apos; names</source>
        <translation>同时采用匹配节目的收藏组及收藏组名称</translation>
    </message>
    <message>
        <source>Export program list</source>
        <translation>导出节目列表</translation>
    </message>
    <message>
        <source>Import program list</source>
        <translation>导入节目列表</translation>
    </message>
    <message>
        <source>The program list was not imported:</source>
        <translation>节目列表未导入：</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>卫星：</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>信息：</translation>
    </message>
    <message>
        <source>Transponder:</source>
        <translation>转发器：</translation>
    </message>
    <message>
        <source>FAV:</source>
        <translation>收藏：</translation>
    </message>
    <message>
        <source>TV Channels:</source>
        <translation>电视节目：</translation>
    </message>
    <message>
        <source>Radio Channels:</source>
        <translation>广播节目：</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Satellite transponders</source>
        <translation>卫星转发器</translation>
    </message>
    <message>
        <source>Transponders of the fullest satellite</source>
        <translation>最满卫星的转发器</translation>
    </message>
    <message>
        <source>Terrestrial transponders</source>
        <translation>地面转发器</translation>
    </message>
    <message>
        <source>Transponders of the fullest terrestrial group</source>
        <translation>最满地面组的转发器</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>节目</translation>
    </message>
    <message>
        <source>TV programs</source>
        <translation>电视节目</translation>
    </message>
    <message>
        <source>Radio programs</source>
        <translation>广播节目</translation>
    </message>
    <message>
        <source>Satellite programs on the fullest transponder</source>
        <translation>最满转发器上的卫星节目</translation>
    </message>
    <message>
        <source>Audio tracks</source>
        <translation>音轨</translation>
    </message>
    <message>
        <source>Named favourite groups</source>
        <translation>已命名的收藏组</translation>
    </message>
    <message>
        <source>Channel Data</source>
        <translation>频道数据</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Find an error, when opening this file,<byte value="xd"/><byte value="xd"/>Maybe it inexistent!</source>
        <translation>打开此文件时出错，<byte value="xd"/><byte value="xd"/>文件可能不存在！</translation>
    </message>
    <message>
        <source>File wrong!</source>
        <translation>文件错误！</translation>
    </message>
    <message>
        <source>File CRC wrong!</source>
        <translation>文件 CRC 错误！</translation>
    </message>
    <message>
        <source>Decompress Error!</source>
        <translation>解压缩错误！</translation>
    </message>
    <message>
        <source>Data too large, can not be saved!</source>
        <translation>数据过大，无法保存！</translation>
    </message>
    <message>
        <source>Find an error, when saving this file,</source>
        <translation>保存此文件时出错：</translation>
    </message>
    <message>
        <source>Find an error, when opening this file,</source>
        <translation>打开此文件时出错：</translation>
    </message>
    <message>
        <source>Find an error, when writing the working copy into this folder,</source>
        <translation>将工作副本写入此文件夹时出错：</translation>
    </message>
    <message>
        <source>Find an error, when backing up the old file into this folder,</source>
        <translation>将旧文件备份到此文件夹时出错：</translation>
    </message>
    <message>
        <source>The old file was not replaced.</source>
        <translation>旧文件未被替换。</translation>
    </message>
    <message>
        <source>The Program is free!</source>
        <translation>免费节目！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; 不是有效的整数</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; 不是有效的浮点数</translation>
    </message>
    <message>
        <source>Illegal Data!</source>
        <translation>数据无效！</translation>
    </message>
    <message>
        <source>Connectting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>Connect failed!</source>
        <translation>连接失败！</translation>
    </message>
    <message>
        <source>Connect Success!</source>
        <translation>连接成功！</translation>
    </message>
    <message>
        <source>Transfer...</source>
        <translation>正在传输...</translation>
    </message>
    <message>
        <source>Transfer failed!</source>
        <translation>传输失败！</translation>
    </message>
    <message>
        <source>Transfer Success!</source>
        <translation>传输成功！</translation>
    </message>
    <message>
        <source>Verify...</source>
        <translation>正在校验...</translation>
    </message>
    <message>
        <source>Verify failed!</source>
        <translation>校验失败！</translation>
    </message>
    <message>
        <source>Verify Success!</source>
        <translation>校验成功！</translation>
    </message>
    <message>
        <source>Erase flash...</source>
        <translation>正在擦除闪存...</translation>
    </message>
    <message>
        <source>Erase flash failed!</source>
        <translation>擦除闪存失败！</translation>
    </message>
    <message>
        <source>Erase flash Success!</source>
        <translation>擦除闪存成功！</translation>
    </message>
    <message>
        <source>Program flash...</source>
        <translation>正在写入闪存...</translation>
    </message>
    <message>
        <source>Program flash failed!</source>
        <translation>写入闪存失败！</translation>
    </message>
    <message>
        <source>Program flash Success!</source>
        <translation>写入闪存成功！</translation>
    </message>
    <message>
        <source>Erase eeprom Success!</source>
        <translation>擦除 EEPROM 成功！</translation>
    </message>
    <message>
        <source>Update Success!</source>
        <translation>更新成功！</translation>
    </message>
    <message>
        <source>Update failed!</source>
        <translation>更新失败！</translation>
    </message>
    <message>
        <source>Can not open Upload file!</source>
        <translation>无法打开上传文件！</translation>
    </message>
    <message>
        <source>Can not open Download file!</source>
        <translation>无法打开下载文件！</translation>
    </message>
    <message>
        <source>The Port you selected is used by other application!</source>
        <translation>所选端口正被其他应用程序使用！</translation>
    </message>
    <message>
        <source>Transfering:  </source>
        <translation>正在传输：  </translation>
    </message>
    <message>
        <source>Transfering Data:  </source>
        <translation>正在传输数据：  </translation>
    </message>
    <message>
        <source>Transfering CRC:  </source>
        <translation>正在传输 CRC：  </translation>
    </message>
    <message>
        <source>The Port you selected (</source>
        <translation>所选端口（</translation>
    </message>
    <message>
        <source>) can not be opened: permission denied.</source>
        <translation>）无法打开：权限不足。</translation>
    </message>
    <message>
        <source>Ask for membership of the &quot;dialout&quot; group (sudo usermod -a -G dialout $USER), then log in again.</source>
        <translation>请申请加入 &quot;dialout&quot; 组（sudo usermod -a -G dialout $USER），然后重新登录。</translation>
    </message>
    <message>
        <source>Can not read the file </source>
        <translation>无法读取文件 </translation>
    </message>
    <message>
        <source>Can not write the file </source>
        <translation>无法写入文件 </translation>
    </message>
    <message>
        <source>Communication Settings  (Upgrade Data)</source>
        <translation>通信设置  （上传数据）</translation>
    </message>
    <message>
        <source>Communication Settings  (Upgrade Default)</source>
        <translation>通信设置  （上传默认数据）</translation>
    </message>
    <message>
        <source>Downloading Data</source>
        <translation>下载数据</translation>
    </message>
    <message>
        <source>Downloading Default</source>
        <translation>下载默认数据</translation>
    </message>
    <message>
        <source>Settings  COM:</source>
        <translation>设置  COM：</translation>
    </message>
    <message>
        <source>Baudrates:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>Nonce State:</source>
        <translation>当前状态：</translation>
    </message>
    <message>
        <source>No serial port of this system</source>
        <translation>本系统没有此串口</translation>
    </message>
    <message>
        <source>Show ALL Info</source>
        <translation>显示全部信息</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>极化</translation>
    </message>
    <message>
        <source>Sym</source>
        <translation>符码率</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>TV.Name</source>
        <translation>电视名称</translation>
    </message>
    <message>
        <source>Radio.Name</source>
        <translation>广播名称</translation>
    </message>
    <message>
        <source>        Transponder    List</source>
        <translation>        转发器    列表</translation>
    </message>
    <message>
        <source>【SAT】:</source>
        <translation>【卫星】：</translation>
    </message>
    <message>
        <source>【TP】:</source>
        <translation>【转发器】：</translation>
    </message>
    <message>
        <source>【Program Name】:</source>
        <translation>【节目名称】：</translation>
    </message>
    <message>
        <source>【Vid】:</source>
        <translation>【视频】：</translation>
    </message>
    <message>
        <source>【Aud】:</source>
        <translation>【音频】：</translation>
    </message>
    <message>
        <source>【PCR】:</source>
        <translation>【PCR】：</translation>
    </message>
    <message>
        <source>【Free】</source>
        <translation>【免费】</translation>
    </message>
    <message>
        <source>【Encrypt】</source>
        <translation>【加密】</translation>
    </message>
    <message>
        <source>【Lock_Yes】</source>
        <translation>【已加锁】</translation>
    </message>
    <message>
        <source>【Lock_Not】</source>
        <translation>【未加锁】</translation>
    </message>
    <message>
        <source>【Skip_Yes】</source>
        <translation>【已跳过】</translation>
    </message>
    <message>
        <source>【Skip_Not】</source>
        <translation>【未跳过】</translation>
    </message>
    <message>
        <source>Show active satellites</source>
        <translation>显示活动卫星</translation>
    </message>
    <message>
        <source>Show all satellites</source>
        <translation>显示所有卫星</translation>
    </message>
    <message>
        <source>Change Sat data</source>
        <translation>修改卫星数据</translation>
    </message>
    <message>
        <source>View sorted by</source>
        <translation>排序方式</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原始顺序</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>Names(Alphabetic)</source>
        <translation>名称（字母顺序）</translation>
    </message>
    <message>
        <source>Change Tp data</source>
        <translation>修改转发器数据</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>TP</source>
        <translation>转发器</translation>
    </message>
    <message>
        <source>Satellites Tp</source>
        <translation>卫星转发器</translation>
    </message>
    <message>
        <source>Terrestrial Tp</source>
        <translation>地面转发器</translation>
    </message>
    <message>
        <source>TV </source>
        <translation>电视 </translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>广播</translation>
    </message>
    <message>
        <source>Delete Tp</source>
        <translation>删除转发器</translation>
    </message>
    <message>
        <source>Delete Satellites Tp</source>
        <translation>删除卫星转发器</translation>
    </message>
    <message>
        <source>Delete Terrestrial Tp</source>
        <translation>删除地面转发器</translation>
    </message>
    <message>
        <source>Change TV data</source>
        <translation>修改电视节目数据</translation>
    </message>
    <message>
        <source>New TV</source>
        <translation>新建电视节目</translation>
    </message>
    <message>
        <source>Delete Tv</source>
        <translation>删除电视节目</translation>
    </message>
    <message>
        <source>Change Radio data</source>
        <translation>修改广播节目数据</translation>
    </message>
    <message>
        <source>New Radio</source>
        <translation>新建广播节目</translation>
    </message>
    <message>
        <source>Delete Radio</source>
        <translation>删除广播节目</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Move to top</source>
        <translation>移到顶部</translation>
    </message>
    <message>
        <source>Move to bottom</source>
        <translation>移到底部</translation>
    </message>
    <message>
        <source>Move to number...</source>
        <translation>移到指定编号...</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>按名称排序</translation>
    </message>
    <message>
        <source>Sort by service id</source>
        <translation>按服务 ID 排序</translation>
    </message>
    <message>
        <source>Delete selected programs</source>
        <translation>删除所选节目</translation>
    </message>
    <message>
        <source>Order like another file...</source>
        <translation>按其他文件排序...</translation>
    </message>
    <message>
        <source>The max number of Transponder is 2,000,<byte value="xd"/><byte value="xd"/>The Transponder can not be added!</source>
        <translation>转发器最多为 2,000 个，<byte value="xd"/><byte value="xd"/>无法添加转发器！</translation>
    </message>
    <message>
        <source>The max number of Transponder every Satellite is 150,<byte value="xd"/><byte value="xd"/>So Transponder can not be added on this Satellite!</source>
        <translation>每颗卫星最多有 150 个转发器，<byte value="xd"/><byte value="xd"/>因此无法在此卫星上添加转发器！</translation>
    </message>
    <message>
        <source>The max number of Transponder is 1,000,<byte value="xd"/><byte value="xd"/>The Transponder can not be added!</source>
        <translation>转发器最多为 1,000 个，<byte value="xd"/><byte value="xd"/>无法添加转发器！</translation>
    </message>
    <message>
        <source>The max number of Transponder every group is 255,<byte value="xd"/><byte value="xd"/>The Transponder can not be added!</source>
        <translation>每组最多有 255 个转发器，<byte value="xd"/><byte value="xd"/>无法添加转发器！</translation>
    </message>
    <message>
        <source>The max number of Program is 4,000,<byte value="xd"/><byte value="xd"/>The Program can not be added!</source>
        <translation>节目最多为 4,000 个，<byte value="xd"/><byte value="xd"/>无法添加节目！</translation>
    </message>
    <message>
        <source>The max number of Program every Transponder is 120,<byte value="xd"/><byte value="xd"/>So Program can not be added on this Transponder!</source>
        <translation>每个转发器最多有 120 个节目，<byte value="xd"/><byte value="xd"/>因此无法在此转发器上添加节目！</translation>
    </message>
    <message>
        <source>The data can not be restored after be deleted,<byte value="xd"/><byte value="xd"/>Are you sure to delete this transponder?</source>
        <translation>数据删除后无法恢复，<byte value="xd"/><byte value="xd"/>确定要删除此转发器吗？</translation>
    </message>
    <message>
        <source>The data can not be restored after be deleted,<byte value="xd"/><byte value="xd"/>Are you sure to delete these transponder?</source>
        <translation>数据删除后无法恢复，<byte value="xd"/><byte value="xd"/>确定要删除这些转发器吗？</translation>
    </message>
    <message>
        <source>The data can not be restored after be deleted,<byte value="xd"/><byte value="xd"/>Are you sure to delete this program?</source>
        <translation>数据删除后无法恢复，<byte value="xd"/><byte value="xd"/>确定要删除此节目吗？</translation>
    </message>
    <message>
        <source>The data can not be restored after be deleted,<byte value="xd"/><byte value="xd"/>Are you sure to delete these programs?</source>
        <translation>数据删除后无法恢复，<byte value="xd"/><byte value="xd"/>确定要删除这些节目吗？</translation>
    </message>
    <message>
        <source>No program matches</source>
        <translation>没有匹配的节目</translation>
    </message>
    <message>
        <source>Wrapped to the first match</source>
        <translation>已回到第一个匹配项</translation>
    </message>
    <message>
        <source>Wrapped to the last match</source>
        <translation>已回到最后一个匹配项</translation>
    </message>
    <message>
        <source>&quot; is not a program number on show.</source>
        <translation>&quot; 不是当前显示的节目编号。</translation>
    </message>
    <message>
        <source>Please enter a number from 1 to </source>
        <translation>请输入一个编号，范围为 1 到 </translation>
    </message>
    <message>
        <source>Settings Files (*.bin);;All File (*)</source>
        <translation>设置文件 (*.bin);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Terrestrial group </source>
        <translation>地面组 </translation>
    </message>
    <message>
        <source> TV, </source>
        <translation> 个电视节目，</translation>
    </message>
    <message>
        <source> radio</source>
        <translation> 个广播节目</translation>
    </message>
    <message>
        <source>Compare with another file</source>
        <translation>与另一个文件比较</translation>
    </message>
</context>
<context>
    <name>orvane::AboutBox</name>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>%1

Licence: %2

Settings file: %3
Working copy: %4
Backups: %5

Qt %6</source>
        <translation>%1

许可证：%2

设置文件：%3
工作副本：%4
备份：%5

Qt %6</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
</context>
<context>
    <name>orvane::AccessibleNames</name>
    <message>
        <source>Satellites</source>
        <translation>卫星</translation>
    </message>
    <message>
        <source>Terrestrial transponders</source>
        <translation>地面转发器</translation>
    </message>
    <message>
        <source>TV programs</source>
        <translation>电视节目</translation>
    </message>
    <message>
        <source>Radio programs</source>
        <translation>广播节目</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>收藏组</translation>
    </message>
    <message>
        <source>Information on the current entry</source>
        <translation>当前条目的信息</translation>
    </message>
    <message>
        <source>Open, save, restore and exchange the database; read it from the receiver or write it into the receiver (Alt+F)</source>
        <translation>打开、保存、恢复和交换数据库；从接收机读取或写入接收机 (Alt+F)</translation>
    </message>
    <message>
        <source>Undo, redo, find and check the database (Alt+E)</source>
        <translation>撤销、重做、查找和检查数据库 (Alt+E)</translation>
    </message>
    <message>
        <source>The manual and the program&apos;s version (Alt+H)</source>
        <translation>手册和程序版本 (Alt+H)</translation>
    </message>
    <message>
        <source>Close the program (Alt+X)</source>
        <translation>关闭程序 (Alt+X)</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>转发器</translation>
    </message>
    <message>
        <source>Transponders of %1</source>
        <translation>%1 的转发器</translation>
    </message>
</context>
<context>
    <name>orvane::BackupRestoreCommand</name>
    <message>
        <source>Restore a backup...</source>
        <translation>恢复备份...</translation>
    </message>
</context>
<context>
    <name>orvane::CheckFindingsModel</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>卫星</translation>
    </message>
    <message>
        <source>Satellite transponders</source>
        <translation>卫星转发器</translation>
    </message>
    <message>
        <source>Terrestrial transponders</source>
        <translation>地面转发器</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>节目</translation>
    </message>
    <message>
        <source>Audio tracks</source>
        <translation>音轨</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>收藏组</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>计数</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message numerus="yes">
        <source>%n error</source>
        <translation>
            <numerusform>%n 个错误</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n 个错误</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning</source>
        <translation>
            <numerusform>%n 个警告</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n 个警告</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n information</source>
        <translation>
            <numerusform>%n 条信息</numerusform>
        </translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>严重程度</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>表</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>条目</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>说明</translation>
    </message>
</context>
<context>
    <name>orvane::CheckWindow</name>
    <message numerus="yes">
        <source>Remove %n duplicate program</source>
        <translation>
            <numerusform>删除 %n 个重复节目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n duplicate programs</source>
        <translation>
            <numerusform>删除 %n 个重复节目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n empty transponder</source>
        <translation>
            <numerusform>删除 %n 个空转发器</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n empty transponders</source>
        <translation>
            <numerusform>删除 %n 个空转发器</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n duplicate program? The first program of each group stays.</source>
        <translation>
            <numerusform>删除 %n 个重复节目吗？每组的第一个节目将保留。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n duplicate programs? The first program of each group stays.</source>
        <translation>
            <numerusform>删除 %n 个重复节目吗？每组的第一个节目将保留。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n empty transponder?</source>
        <translation>
            <numerusform>删除 %n 个空转发器吗？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n empty transponders of every satellite and terrestrial group?</source>
        <translation>
            <numerusform>删除所有卫星和地面组中的 %n 个空转发器吗？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orvane::CompareCommands</name>
    <message>
        <source>Compare with another file...</source>
        <translation>与另一个文件比较...</translation>
    </message>
</context>
<context>
    <name>orvane::CompareWindow</name>
    <message>
        <source>Satellites</source>
        <translation>卫星</translation>
    </message>
    <message>
        <source>Satellite transponders</source>
        <translation>卫星转发器</translation>
    </message>
    <message>
        <source>Terrestrial transponders</source>
        <translation>地面转发器</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>节目</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>收藏组</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>没有差异。</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 changed, %4 moved</source>
        <translation>新增 %1，删除 %2，更改 %3，移动 %4</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>所有更改</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>显示(&amp;S)：</translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <translation>与 %1 比较</translation>
    </message>
    <message>
        <source>What the open database changes relative to %1:</source>
        <translation>打开的数据库相对于 %1 的更改：</translation>
    </message>
</context>
<context>
    <name>orvane::DesktopShortcuts</name>
    <message>
        <source>Manual</source>
        <translation>手册</translation>
    </message>
</context>
<context>
    <name>orvane::FindBar</name>
    <message>
        <source>Find:</source>
        <translation>查找：</translation>
    </message>
    <message>
        <source>Name, service id, PID or frequency</source>
        <translation>名称、服务 ID、PID 或频率</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>第 %1 个，共 %2 个</translation>
    </message>
</context>
<context>
    <name>orvane::GridModel</name>
    <message>
        <source>The entry&apos;s number in the list</source>
        <translation>条目在列表中的编号</translation>
    </message>
    <message>
        <source>$ marks a scrambled program</source>
        <translation>$ 表示加密节目</translation>
    </message>
</context>
<context>
    <name>orvane::HistoryCommands</name>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
</context>
<context>
    <name>orvane::NameCharsetCommands</name>
    <message>
        <source>Character set of names</source>
        <translation>名称字符集</translation>
    </message>
    <message>
        <source>Use it</source>
        <translation>使用</translation>
    </message>
    <message>
        <source>Keep Latin-1</source>
        <translation>保留 Latin-1</translation>
    </message>
    <message>
        <source>This system has no converter for the character set %1.</source>
        <translation>本系统没有字符集 %1 的转换器。</translation>
    </message>
    <message>
        <source>Names look like %1 (%2).</source>
        <translation>名称看起来是 %1（%2）。</translation>
    </message>
</context>
<context>
    <name>orvane::OrderCommands</name>
    <message>
        <source>Number (1 to %1):</source>
        <translation>编号（1 到 %1）：</translation>
    </message>
</context>
<context>
    <name>orvane::ProgramListCommands</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Export program list...</source>
        <translation>导出节目列表...</translation>
    </message>
    <message>
        <source>Import program list...</source>
        <translation>导入节目列表...</translation>
    </message>
</context>
<context>
    <name>orvane::TFormEditFAV</name>
    <message>
        <source>Change favor name</source>
        <translation>修改收藏组名称</translation>
    </message>
    <message>
        <source>FAV.Name</source>
        <translation>收藏组名称</translation>
    </message>
</context>
<context>
    <name>orvane::TFormEditLnb</name>
    <message>
        <source>Change data</source>
        <translation>修改数据</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Low Freq</source>
        <translation>低本振频率</translation>
    </message>
    <message>
        <source>High Freq</source>
        <translation>高本振频率</translation>
    </message>
    <message>
        <source>LNB Power</source>
        <translation>LNB 供电</translation>
    </message>
    <message>
        <source>22kHZ</source>
        <translation>22kHz</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>马达</translation>
    </message>
    <message>
        <source>12V</source>
        <translation>12V</translation>
    </message>
    <message>
        <source>Information (Min --&gt; Max)</source>
        <translation>信息（最小 --&gt; 最大）</translation>
    </message>
    <message>
        <source>Longitude: (0..360)         Low and High: (0..30000) </source>
        <translation>经度：(0..360)         低本振和高本振：(0..30000) </translation>
    </message>
    <message>
        <source>Frequency: (2000..12750)Symbolrate: (2000..45000)</source>
        <translation>频率：(2000..12750)  符码率：(2000..45000)</translation>
    </message>
</context>
<context>
    <name>orvane::TFormEditProg</name>
    <message>
        <source>All PID         : (area:0 --&gt; 8191)</source>
        <translation>所有 PID         ：（范围：0 --&gt; 8191）</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Pcr PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>Pvt PID</source>
        <translation>私有 PID</translation>
    </message>
    <message>
        <source>Vid PID</source>
        <translation>视频 PID</translation>
    </message>
    <message>
        <source>Aud PID</source>
        <translation>音频 PID</translation>
    </message>
    <message>
        <source>Pmt PID</source>
        <translation>PMT PID</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>服务 ID</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>加锁</translation>
    </message>
    <message>
        <source>FAV</source>
        <translation>收藏</translation>
    </message>
    <message>
        <source>CA System</source>
        <translation>CA 系统</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>极化</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>符码率</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>BandWidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Addition channel data</source>
        <translation>添加频道数据</translation>
    </message>
    <message>
        <source>Change channel data</source>
        <translation>修改频道数据</translation>
    </message>
</context>
<context>
    <name>orvane::TFormMain</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>卫星</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>地面</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Last Files</source>
        <translation>最近的文件</translation>
    </message>
    <message>
        <source>Read from receiver</source>
        <translation>从接收机读取</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Save To Channel Data</source>
        <translation>保存为频道数据</translation>
    </message>
    <message>
        <source>Save To Default</source>
        <translation>保存为默认数据</translation>
    </message>
    <message>
        <source>Write into receiver</source>
        <translation>写入接收机</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>orvane::TForm_Edit_S_TP</name>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>极化</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>符码率</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Frequency:[Min -&gt; Max](2000 - -&gt; 12750)</source>
        <translation>频率：[最小 -&gt; 最大](2000 - -&gt; 12750)</translation>
    </message>
    <message>
        <source>Symbolrate[Min -&gt; Max](2000 - -&gt; 45000)</source>
        <translation>符码率[最小 -&gt; 最大](2000 - -&gt; 45000)</translation>
    </message>
</context>
<context>
    <name>orvane::TForm_Edit_T_TP</name>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>BandWidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Frequency:(area: 50000 -&gt; 1000000)</source>
        <translation>频率：（范围：50000 -&gt; 1000000）</translation>
    </message>
</context>
<context>
    <name>orvane::TpDialogFrame</name>
    <message>
        <source>Addition transponder data</source>
        <translation>添加转发器数据</translation>
    </message>
    <message>
        <source>Change transponder data</source>
        <translation>修改转发器数据</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
</context>
</TS>
