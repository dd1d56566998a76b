<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutBox</name>
    <message>
        <source>Palvenor 2.1 版</source>
        <translation>Palvenor 2.1 版</translation>
    </message>
    <message>
        <source>Copyright (C) 2026</source>
        <translation>Copyright (C) 2026</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>关于 Palvenor</source>
        <translation>关于 Palvenor</translation>
    </message>
</context>
<context>
    <name>CCameraDlg</name>
    <message>
        <source>Timer %1 set error !
Star time need &lt; End time .</source>
        <translation>工作时段 %1 设置错误！
开始时间必须早于结束时间。</translation>
    </message>
</context>
<context>
    <name>CSettingsForm</name>
    <message>
        <source>This folder holds settings already. Load them into the form?</source>
        <translation>此文件夹中已有设置。是否载入到表单中？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a line break, a tab or a character outside plain ASCII, which the camera cannot read.
Nothing was written.</source>
        <translation>“%1”中含有换行符、制表符或普通 ASCII 以外的字符，相机无法读取。
未写入任何内容。</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>没有此文件夹：存储卡是否已插入卡槽？还是应选择其他文件夹？</translation>
    </message>
    <message>
        <source>This folder holds no such file: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>此文件夹中没有该文件：请先用“选择”按钮选择存储卡的文件夹</translation>
    </message>
    <message>
        <source>This folder holds no such file: is it the card&apos;s folder?</source>
        <translation>此文件夹中没有该文件：这是存储卡的文件夹吗？</translation>
    </message>
    <message>
        <source>Nothing in the form was changed.</source>
        <translation>表单未做任何更改。</translation>
    </message>
    <message>
        <source>Settings loaded from %1.</source>
        <translation>已从 %1 载入设置。</translation>
    </message>
    <message>
        <source>Select :</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>&amp;Load from card</source>
        <translation>从存储卡载入(&amp;L)</translation>
    </message>
</context>
<context>
    <name>CameraSetup</name>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Photo Resolution</source>
        <translation>照片分辨率</translation>
    </message>
    <message>
        <source>Video Resolution</source>
        <translation>视频分辨率</translation>
    </message>
    <message>
        <source>Series Photos</source>
        <translation>连拍张数</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>录像时长</translation>
    </message>
    <message>
        <source>Beep Sound</source>
        <translation>提示音</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>灵敏度</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>时间戳</translation>
    </message>
    <message>
        <source>IR Led</source>
        <translation>红外灯</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>设置时钟</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>日期顺序</translation>
    </message>
    <message>
        <source>Get Time</source>
        <translation>获取时间</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR 间隔</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Time Interval</source>
        <translation>间隔拍照</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>时</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Serial number character 1</source>
        <translation>序列号第 1 位</translation>
    </message>
    <message>
        <source>Serial number character 2</source>
        <translation>序列号第 2 位</translation>
    </message>
    <message>
        <source>Serial number character 3</source>
        <translation>序列号第 3 位</translation>
    </message>
    <message>
        <source>Serial number character 4</source>
        <translation>序列号第 4 位</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Fixed Time</source>
        <translation>工作时段</translation>
    </message>
    <message>
        <source>Window 1 start hour</source>
        <translation>时段 1 开始小时</translation>
    </message>
    <message>
        <source>Window 1 start minute</source>
        <translation>时段 1 开始分钟</translation>
    </message>
    <message>
        <source>Window 1 end hour</source>
        <translation>时段 1 结束小时</translation>
    </message>
    <message>
        <source>Window 1 end minute</source>
        <translation>时段 1 结束分钟</translation>
    </message>
    <message>
        <source>Window 2 start hour</source>
        <translation>时段 2 开始小时</translation>
    </message>
    <message>
        <source>Window 2 start minute</source>
        <translation>时段 2 开始分钟</translation>
    </message>
    <message>
        <source>Window 2 end hour</source>
        <translation>时段 2 结束小时</translation>
    </message>
    <message>
        <source>Window 2 end minute</source>
        <translation>时段 2 结束分钟</translation>
    </message>
    <message>
        <source>Window 3 start hour</source>
        <translation>时段 3 开始小时</translation>
    </message>
    <message>
        <source>Window 3 start minute</source>
        <translation>时段 3 开始分钟</translation>
    </message>
    <message>
        <source>Window 3 end hour</source>
        <translation>时段 3 结束小时</translation>
    </message>
    <message>
        <source>Window 3 end minute</source>
        <translation>时段 3 结束分钟</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>目标文件夹</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>相机设置</translation>
    </message>
</context>
<context>
    <name>FormWords</name>
    <message>
        <source>The card was removed before the file was complete: put it back and press Generate again.</source>
        <translation>文件尚未写完，存储卡就被拔出了：请重新插入存储卡，再按一次“生成”。</translation>
    </message>
    <message>
        <source>There is no such folder: is the card in its slot, or was another folder meant?</source>
        <translation>没有此文件夹：存储卡是否已插入卡槽？还是应选择其他文件夹？</translation>
    </message>
    <message>
        <source>It is not a folder: choose the card&apos;s folder with &quot;Select&quot;.</source>
        <translation>这不是文件夹：请用“选择”按钮选择存储卡的文件夹。</translation>
    </message>
    <message>
        <source>The card is read-only: is its lock switch set?</source>
        <translation>存储卡为只读：是否拨上了写保护开关（Lock）？</translation>
    </message>
    <message>
        <source>The card is full.</source>
        <translation>存储卡已满。</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>已有同名的文件夹占用了该名称。</translation>
    </message>
    <message>
        <source>Something that is no file is in the way.</source>
        <translation>已有同名的非文件对象占用了该名称。</translation>
    </message>
    <message>
        <source>This folder may not be written to: choose the card&apos;s folder with &quot;Select&quot; first.</source>
        <translation>无法写入此文件夹：请先用“选择”按钮选择存储卡的文件夹。</translation>
    </message>
    <message>
        <source>The file there is read-only, or this folder may not be written to.</source>
        <translation>该处的文件为只读，或无法写入此文件夹。</translation>
    </message>
    <message>
        <source>The file could not be created.</source>
        <translation>无法创建文件。</translation>
    </message>
    <message>
        <source>the card is full. Make room on it, or use another card.</source>
        <translation>存储卡已满。请腾出空间，或换一张存储卡。</translation>
    </message>
    <message>
        <source>the system lets this program write no file that large.</source>
        <translation>系统不允许本程序写入这么大的文件。</translation>
    </message>
    <message>
        <source>the card did not take it, as a loose or failing card does. Put it back firmly and press Generate again, or use another card.</source>
        <translation>存储卡未能写入，存储卡松动或损坏时常会如此。请将其重新插紧后再按一次“生成”，或换一张存储卡。</translation>
    </message>
    <message>
        <source>the card turned read-only while it was written, as a failing card does. Use another card, or check this one on a computer.</source>
        <translation>存储卡在写入过程中变为只读，存储卡损坏时常会如此。请换一张存储卡，或在电脑上检查这张卡。</translation>
    </message>
    <message>
        <source>the folder&apos;s path is too long. Choose a folder nearer the top of the card.</source>
        <translation>文件夹路径太长。请选择更靠近存储卡根目录的文件夹。</translation>
    </message>
    <message>
        <source>the file there belongs to another user and may not be replaced.</source>
        <translation>该处的文件属于其他用户，不能替换。</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>无法写入文件：%1</translation>
    </message>
    <message>
        <source>The file was written but reads back differently, as a failing card does: press Generate again, or use another card.</source>
        <translation>文件已写入，但读回的内容与写入的不同，存储卡损坏时常会如此：请再按一次“生成”，或换一张存储卡。</translation>
    </message>
    <message>
        <source>this program may not read it back from that folder.</source>
        <translation>本程序无权从该文件夹读回文件。</translation>
    </message>
    <message>
        <source>the card did not answer, as a loose or failing card does. Put it back firmly and press Generate again.</source>
        <translation>存储卡没有响应，存储卡松动或损坏时常会如此。请将其重新插紧后再按一次“生成”。</translation>
    </message>
    <message>
        <source>The file was written but could not be checked: %1</source>
        <translation>文件已写入，但无法校验：%1</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>系统配置文件已生成。</translation>
    </message>
    <message>
        <source>The settings are too long for the camera: %1 bytes, at most %2 fit.
Nothing was written.</source>
        <translation>设置内容对相机来说过长：共 %1 字节，最多只能 %2 字节。
未写入任何内容。</translation>
    </message>
    <message>
        <source>No card is mounted at %1: nothing was written.</source>
        <translation>%1 处没有挂载存储卡：未写入任何内容。</translation>
    </message>
    <message>
        <source>The selected card is no longer there: nothing was written.</source>
        <translation>所选的存储卡已不在：未写入任何内容。</translation>
    </message>
    <message>
        <source>The file was written, but another program has replaced it since: the folder now holds that program&apos;s file.</source>
        <translation>文件已写入，但此后被另一个程序替换了：文件夹中现在是那个程序的文件。</translation>
    </message>
    <message>
        <source>it holds a value that the form does not offer: the list &quot;%1&quot; has no item %2</source>
        <translation>其中有表单不提供的值：列表“%1”中没有 %2 这一项</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>Camera</source>
        <translation>拍照</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>录像</translation>
    </message>
    <message>
        <source>Camera+Video</source>
        <translation>拍照+录像</translation>
    </message>
    <message>
        <source>1 Photo</source>
        <translation>1 张</translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation>2 张</translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation>3 张</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Y/M/D</source>
        <translation>年/月/日</translation>
    </message>
    <message>
        <source>D/M/Y</source>
        <translation>日/月/年</translation>
    </message>
    <message>
        <source>M/D/Y</source>
        <translation>月/日/年</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>关于 Kestrivo(&amp;A)...</source>
        <translation>关于 Kestrivo(&amp;A)...</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>相机型号</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>相机设置</translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation>彩信设置</translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation>SMTP 设置</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Setup  V2.1</source>
        <translation>设置  V2.1</translation>
    </message>
</context>
<context>
    <name>MmsSetup</name>
    <message>
        <source>MMS Mode</source>
        <translation>彩信模式</translation>
    </message>
    <message>
        <source>MMS Status</source>
        <translation>彩信发送</translation>
    </message>
    <message>
        <source>MMS Number/Day</source>
        <translation>每日彩信数</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>注：0 = 不限</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>每日报告</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>报告时间</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国家</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>运营商</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Mobile 1</source>
        <translation>手机 1</translation>
    </message>
    <message>
        <source>Mobile 2</source>
        <translation>手机 2</translation>
    </message>
    <message>
        <source>Mobile 3</source>
        <translation>手机 3</translation>
    </message>
    <message>
        <source>Mobile 4</source>
        <translation>手机 4</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>邮箱 1</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>邮箱 2</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>邮箱 3</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>邮箱 4</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>目标文件夹</translation>
    </message>
    <message>
        <source>MMS Setup</source>
        <translation>彩信设置</translation>
    </message>
</context>
<context>
    <name>ReadWords</name>
    <message>
        <source>it is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>the settings are %1 bytes long; a settings file holds at most %2</source>
        <translation>设置长 %1 字节，而设置文件最多容纳 %2 字节</translation>
    </message>
    <message>
        <source>expected key %1, found %2</source>
        <translation>应为键 %1，实际为 %2</translation>
    </message>
    <message>
        <source>expected key %1, found the end of the text</source>
        <translation>应为键 %1，但文本已结束</translation>
    </message>
    <message>
        <source>%1 has no line end: the text is cut short</source>
        <translation>%1 没有行尾：文本被截断了</translation>
    </message>
    <message>
        <source>the value of %1 holds a byte outside printable ASCII: %2</source>
        <translation>%1 的值含有可打印 ASCII 以外的字节：%2</translation>
    </message>
    <message>
        <source>expected a number for %1, found %2</source>
        <translation>%1 应为数字，实际为 %2</translation>
    </message>
    <message>
        <source>the number for %1 is out of range, found %2</source>
        <translation>%1 的数值超出范围，实际为 %2</translation>
    </message>
    <message>
        <source>expected %1 characters for %2, found %3</source>
        <translation>%2 应为 %1 个字符，实际为 %3</translation>
    </message>
    <message>
        <source>expected %1 for %2, found %3</source>
        <translation>%2 应为 %1，实际为 %3</translation>
    </message>
    <message>
        <source>expected the end of the text, found %1</source>
        <translation>应为文本结尾，实际为 %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a settings file holds</source>
        <translation>文件超过了设置文件最多可容纳的 %1 字节</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>不是有效的 %1：%2</translation>
    </message>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>是命名管道，不是文件</translation>
    </message>
    <message>
        <source>Is a device, not a file</source>
        <translation>是设备，不是文件</translation>
    </message>
    <message>
        <source>Is a socket, not a file</source>
        <translation>是套接字，不是文件</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>The file is not on the selected card</source>
        <translation>文件不在所选的存储卡上</translation>
    </message>
    <message>
        <source>No card is mounted at the folder</source>
        <translation>该文件夹上没有挂载存储卡</translation>
    </message>
    <message>
        <source>No such folder</source>
        <translation>没有此文件夹</translation>
    </message>
    <message>
        <source>Not a folder</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <source>The card was removed</source>
        <translation>存储卡已被拔出</translation>
    </message>
    <message>
        <source>The file reads back differently</source>
        <translation>文件读回的内容与写入的不同</translation>
    </message>
    <message>
        <source>The settings text is too long</source>
        <translation>设置文本过长</translation>
    </message>
</context>
<context>
    <name>ReportForm</name>
    <message>
        <source>Its network values are those of no operator in the lists, so the form shows them in &quot;Manual&quot; mode.</source>
        <translation>其网络参数与列表中的任何运营商都不符，因此表单以“手动”模式显示。</translation>
    </message>
    <message>
        <source>Its network values are those of %1 operators (%2): the form shows the first, %3.</source>
        <translation>其网络参数与 %1 家运营商相同（%2）：表单显示第一家，即 %3。</translation>
    </message>
    <message>
        <source>There are no MMS network settings for %1 in %2. Choose &quot;Manual&quot; as MMS Mode and type the operator&apos;s settings.</source>
        <translation>%2 的 %1 没有彩信网络设置。请将“彩信模式”选为“手动”，然后输入该运营商的设置。</translation>
    </message>
    <message>
        <source>There is no GPRS access point for %1 in %2. Choose &quot;Manual&quot; as SMTP Mode and type the operator&apos;s settings.</source>
        <translation>%2 的 %1 没有 GPRS 接入点。请将“SMTP 模式”选为“手动”，然后输入该运营商的设置。</translation>
    </message>
</context>
<context>
    <name>SmtpSetup</name>
    <message>
        <source>SMTP Mode</source>
        <translation>SMTP 模式</translation>
    </message>
    <message>
        <source>GPRS Status</source>
        <translation>GPRS 发送</translation>
    </message>
    <message>
        <source>Email Number/Day</source>
        <translation>每日邮件数</translation>
    </message>
    <message>
        <source>Note: 0 = Unlimited</source>
        <translation>注：0 = 不限</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>每日报告</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>报告时间</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国家</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>运营商</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Smtp Server</source>
        <translation>SMTP 服务器</translation>
    </message>
    <message>
        <source>Sender Email</source>
        <translation>发件人邮箱</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Email 1</source>
        <translation>邮箱 1</translation>
    </message>
    <message>
        <source>Email 3</source>
        <translation>邮箱 3</translation>
    </message>
    <message>
        <source>Email 2</source>
        <translation>邮箱 2</translation>
    </message>
    <message>
        <source>Email 4</source>
        <translation>邮箱 4</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Target folder</source>
        <translation>目标文件夹</translation>
    </message>
    <message>
        <source>Smtp Setup</source>
        <translation>SMTP 设置</translation>
    </message>
</context>
<context>
    <name>TrailcamCard</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>%1 takes no %2: the KIND comes right after write</source>
        <translation>%1 不接受 %2：文件类型 KIND 应紧跟在 write 之后</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 不接受 %2</translation>
    </message>
    <message>
        <source>--raw and --json cannot be given together</source>
        <translation>--raw 和 --json 不能同时使用</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;: camera, mms or smtp</source>
        <translation>未知的文件类型“%1”：应为 camera、mms 或 smtp</translation>
    </message>
    <message>
        <source>--kind may be given once</source>
        <translation>--kind 只能指定一次</translation>
    </message>
    <message>
        <source>--from may be given once</source>
        <translation>--from 只能指定一次</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE, not &apos;%1&apos;</source>
        <translation>--set 需要 KEY=VALUE 形式，而不是“%1”</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>未指定命令</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>未知命令“%1”</translation>
    </message>
    <message>
        <source>write needs the kind of file first: camera, mms or smtp</source>
        <translation>write 之后须先指定文件类型：camera、mms 或 smtp</translation>
    </message>
    <message>
        <source>no FOLDER given</source>
        <translation>未指定文件夹（FOLDER）</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>未指定文件（FILE）</translation>
    </message>
    <message>
        <source>an empty FOLDER or FILE name was given</source>
        <translation>指定的文件夹（FOLDER）或文件（FILE）名称为空</translation>
    </message>
    <message>
        <source>an empty FILE name was given</source>
        <translation>指定的文件（FILE）名称为空</translation>
    </message>
    <message>
        <source>standard input (-) may be given once</source>
        <translation>标准输入（-）只能指定一次</translation>
    </message>
    <message>
        <source>%1 (see trailcam-card --help)</source>
        <translation>%1（参见 trailcam-card --help）</translation>
    </message>
    <message>
        <source>Usage: trailcam-card show [--kind KIND] [--raw | --json] FILE|FOLDER...
       trailcam-card check [--kind KIND] [--json] FILE|FOLDER...
       trailcam-card write KIND [--from FILE] [--set KEY=VALUE]... FOLDER...
Reads and writes the settings files of a trail camera as trailcam-setup&apos;s forms
make them: CameraSet.dat (KIND camera), MmsSet.dat (mms) and SmtpSet.dat (smtp).
A FOLDER given to show or check stands for every settings file in it; - for a
FILE reads standard input.

  show     print the settings of each FILE in the words of its form
  check    tell whether each FILE holds settings that its form can make
  write    write the form&apos;s defaults, or the settings of --from FILE, each
           --set KEY=VALUE changing the line KEY, into every FOLDER; the
           camera&apos;s clock is taken now unless --set CLK=... gives one.
           A list&apos;s VALUE is its position or its text, as MRES=0 or MRES=1080P

  --kind KIND     which settings file each FILE is, where its name does not say
  --raw           show the file&apos;s own lines
  --json          show or check as JSON
  -h, --help      show this help and exit
      --version   show the version and exit

Exit status: 0 when all went well, 1 when a file or value is wrong or a folder
could not be written, 2 when the command line is wrong.
</source>
        <translation>用法：trailcam-card show [--kind KIND] [--raw | --json] FILE|FOLDER...
      trailcam-card check [--kind KIND] [--json] FILE|FOLDER...
      trailcam-card write KIND [--from FILE] [--set KEY=VALUE]... FOLDER...
像 trailcam-setup 的表单那样读写红外相机的设置文件：CameraSet.dat（KIND 为
camera）、MmsSet.dat（mms）和 SmtpSet.dat（smtp）。为 show 或 check 指定的
文件夹（FOLDER）代表其中的所有设置文件；FILE 为 - 时读取标准输入。

  show     用表单中的用语显示每个 FILE 的设置
  check    检查每个 FILE 中的设置是否为其表单所能生成
  write    将表单的默认值或 --from FILE 中的设置写入每个 FOLDER，每个
           --set KEY=VALUE 修改 KEY 这一行；相机时钟取写入时的时间，除非
           由 --set CLK=... 指定。
           列表的 VALUE 为其序号或文字，如 MRES=0 或 MRES=1080P

  --kind KIND     文件名不能说明时，指定每个 FILE 是哪种设置文件
  --raw           显示文件本身的各行
  --json          以 JSON 格式输出 show 或 check 的结果
  -h, --help      显示此帮助并退出
      --version   显示版本信息并退出

退出状态：全部成功时为 0；文件或值有误、或无法写入文件夹时为 1；
命令行有误时为 2。
</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>neither its name nor --kind says which settings file it is, and it reads as none of them</source>
        <translation>文件名和 --kind 都未说明这是哪种设置文件，且它无法按其中任何一种读取</translation>
    </message>
    <message>
        <source>%1: OK, %2 (%3)</source>
        <translation>%1: 正常，%2 (%3)</translation>
    </message>
    <message>
        <source>--set %1: a value must be printable ASCII, without line breaks, tabs or other characters the camera cannot read</source>
        <translation>--set %1: 值必须为可打印 ASCII 字符，不能含换行符、制表符或相机无法读取的其他字符</translation>
    </message>
    <message>
        <source>%1; put it back and write it again</source>
        <translation>%1；请重新插入存储卡后再写入一次</translation>
    </message>
    <message>
        <source>System configuration file has been generated.</source>
        <translation>系统配置文件已生成。</translation>
    </message>
    <message>
        <source>not written: the settings are %1 bytes long, at most %2 fit</source>
        <translation>未写入：设置长 %1 字节，最多只能 %2 字节</translation>
    </message>
    <message>
        <source>not written: the form would refuse these settings</source>
        <translation>未写入：表单会拒绝这些设置</translation>
    </message>
    <message>
        <source>not written: no card is mounted at %1</source>
        <translation>未写入：%1 处没有挂载存储卡</translation>
    </message>
    <message>
        <source>not written: the card is no longer there</source>
        <translation>未写入：存储卡已不在</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>无法创建文件：%1</translation>
    </message>
    <message>
        <source>%1; give the card&apos;s folder</source>
        <translation>%1；请指定存储卡的文件夹</translation>
    </message>
    <message>
        <source>%1; is the card&apos;s lock switch set?</source>
        <translation>%1；是否拨上了存储卡的写保护开关（Lock）？</translation>
    </message>
    <message>
        <source>not written: %1</source>
        <translation>未写入：%1</translation>
    </message>
    <message>
        <source>written but not checked: %1</source>
        <translation>已写入但未校验：%1</translation>
    </message>
    <message>
        <source>%1, as a failing card does; write it again, or use another card</source>
        <translation>%1，存储卡损坏时常会如此；请重新写入，或换一张存储卡</translation>
    </message>
    <message>
        <source>written, but another program has replaced it since</source>
        <translation>已写入，但此后被另一个程序替换了</translation>
    </message>
    <message>
        <source>%1 has no key &apos;%2&apos;; its keys are %3</source>
        <translation>%1 没有键“%2”；它的键有：%3</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1；未写入任何内容</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 到 %2</translation>
    </message>
    <message>
        <source>a date and time as %1, the layout of %2=%3</source>
        <translation>日期时间，格式为 %1，即 %2=%3 时的格式</translation>
    </message>
    <message>
        <source>%1=%2: allowed values are %3</source>
        <translation>%1=%2: 允许的值为 %3</translation>
    </message>
    <message>
        <source>the text of the edit, in printable ASCII</source>
        <translation>编辑框中的文本，仅限可打印 ASCII 字符</translation>
    </message>
    <message>
        <source>%1 for %2=%3</source>
        <translation>%2=%3 时为 %1</translation>
    </message>
    <message>
        <source>a date and time as %1; taken when the file is written unless given</source>
        <translation>日期时间，格式为 %1；未指定时取写入文件时的时间</translation>
    </message>
    <message>
        <source>as %1</source>
        <translation>格式为 %1</translation>
    </message>
    <message>
        <source>%1 characters, each one of %2</source>
        <translation>%1 个字符，每个取自 %2</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>写入错误</translation>
    </message>
    <message>
        <source>%1, %2 (the values of %3 operators: %4)</source>
        <translation>%1，%2（%3 家运营商的值相同：%4）</translation>
    </message>
    <message>
        <source>%1: the working time %2 must start before it ends on the same day (00:00 00:00 for none)</source>
        <translation>%1: 工作时段 %2 必须在同一天内先开始、后结束（00:00 00:00 表示不设此时段）</translation>
    </message>
    <message>
        <source>the folder cannot be read: %1</source>
        <translation>无法读取文件夹：%1</translation>
    </message>
    <message>
        <source>it is a folder without %1</source>
        <translation>这是一个没有 %1 的文件夹</translation>
    </message>
    <message>
        <source>it is a folder without %1, %2 or %3</source>
        <translation>这是一个没有 %1、%2 或 %3 的文件夹</translation>
    </message>
    <message>
        <source>%1 (- reads standard input)</source>
        <translation>%1（- 表示读取标准输入）</translation>
    </message>
    <message>
        <source>it is not a valid %1 (it reads as %2): %3</source>
        <translation>不是有效的 %1（看起来是 %2）：%3</translation>
    </message>
    <message>
        <source>it is not a valid %1: %2</source>
        <translation>不是有效的 %1：%2</translation>
    </message>
    <message>
        <source>Report bugs at &lt;%1&gt;.</source>
        <translation>请将错误报告至 &lt;%1&gt;。</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>还原(&amp;R)</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>最大化(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>窗口菜单</translation>
    </message>
</context>
</TS>
