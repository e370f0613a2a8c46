<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>t40::BusyLock</name>
    <message>
        <source>None</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>载波</translation>
    </message>
</context>
<context>
    <name>t40::CableCheck</name>
    <message>
        <source>A radio answers on %1: %2. The cable and the port work.</source>
        <translation>%1 上有对讲机应答：%2。编程线和端口正常。</translation>
    </message>
    <message>
        <source>%1 is in use by another program%2: close it (or stop that service), then try again.</source>
        <translation>%1 正被其他程序占用%2：请关闭该程序（或停止该服务）后重试。</translation>
    </message>
    <message>
        <source>You may not open %1: %2</source>
        <translation>无权打开 %1：%2</translation>
    </message>
    <message>
        <source>add yourself to the dialout group (sudo adduser $USER dialout, then log in again) or install the udev rule 60-t40-cable.rules and plug the cable in again.</source>
        <translation>请把用户加入 dialout 组（sudo adduser $USER dialout，然后重新登录），或安装 udev 规则 60-t40-cable.rules 后重新插入编程线。</translation>
    </message>
    <message>
        <source>the udev rule is installed, so plug the cable in again; if that does not help, add yourself to the dialout group (sudo adduser $USER dialout, then log in again).</source>
        <translation>udev 规则已安装，请重新插入编程线；仍不行时请把用户加入 dialout 组（sudo adduser $USER dialout，然后重新登录）。</translation>
    </message>
    <message>
        <source>There is no device %1: plug the cable in, or choose its port in Set Com.</source>
        <translation>没有设备 %1：请插入编程线，或在串口设置中选择它的端口。</translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2): plug the cable in again.</source>
        <translation>无法打开 %1（%2）：请重新插入编程线。</translation>
    </message>
    <message>
        <source>Nothing answers on %1: check that the radio is on and in programming state, that the cable sits firmly in the radio, and that this is the cable&apos;s port.</source>
        <translation>%1 上没有应答：请检查对讲机已开机并处于编程状态、编程线已插紧，以及这是编程线的端口。</translation>
    </message>
    <message>
        <source>device: not present</source>
        <translation>设备：不存在</translation>
    </message>
    <message>
        <source>device: %1</source>
        <translation>设备：%1</translation>
    </message>
    <message>
        <source>no USB chip named (a built-in port or a terminal)</source>
        <translation>没有 USB 芯片信息（内置串口或终端）</translation>
    </message>
    <message>
        <source>access: %1, %2</source>
        <translation>权限：%1，%2</translation>
    </message>
    <message>
        <source>you may open it</source>
        <translation>您可以打开</translation>
    </message>
    <message>
        <source>you may not open it</source>
        <translation>您无权打开</translation>
    </message>
    <message>
        <source>held by: %1</source>
        <translation>占用者：%1</translation>
    </message>
    <message>
        <source>no other program</source>
        <translation>没有其他程序</translation>
    </message>
    <message>
        <source>a radio answered (%1)</source>
        <translation>对讲机应答（%1）</translation>
    </message>
    <message>
        <source>not tried (%1)</source>
        <translation>未进行（%1）</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>无权限</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>无应答</translation>
    </message>
    <message>
        <source>handshake at 9600 baud: %1</source>
        <translation>9600 波特握手：%1</translation>
    </message>
    <message>
        <source>verdict: %1</source>
        <translation>结论：%1</translation>
    </message>
    <message>
        <source>No serial port to check: plug the cable in (a USB cable shows as /dev/ttyUSB* or /dev/ttyACM*).</source>
        <translation>没有可检查的串口：请插入编程线（USB 编程线显示为 /dev/ttyUSB* 或 /dev/ttyACM*）。</translation>
    </message>
    <message>
        <source>This computer:</source>
        <translation>本机：</translation>
    </message>
    <message>
        <source>udev rule 60-t40-cable.rules: %1</source>
        <translation>udev 规则 60-t40-cable.rules：%1</translation>
    </message>
    <message>
        <source>not installed (the package installs it)</source>
        <translation>未安装（安装软件包即会安装）</translation>
    </message>
    <message>
        <source>installed (%1)</source>
        <translation>已安装（%1）</translation>
    </message>
    <message>
        <source>group dialout: %1</source>
        <translation>dialout 组：%1</translation>
    </message>
    <message>
        <source>you are a member</source>
        <translation>您是成员</translation>
    </message>
    <message>
        <source>you are not a member (sudo adduser $USER dialout, then log in again)</source>
        <translation>您不是成员（sudo adduser $USER dialout，然后重新登录）</translation>
    </message>
    <message>
        <source>brltty, ModemManager: not present</source>
        <translation>brltty、ModemManager：不存在</translation>
    </message>
    <message>
        <source>it takes CH340 and CP210x cables for Braille displays; without a Braille display: sudo apt remove brltty</source>
        <translation>它会把 CH340 和 CP210x 编程线当作盲文显示器占用；不用盲文显示器时：sudo apt remove brltty</translation>
    </message>
    <message>
        <source>it may probe the cable as a modem; install the udev rule, or: sudo systemctl disable --now ModemManager</source>
        <translation>它可能把编程线当作调制解调器探测；请安装 udev 规则，或：sudo systemctl disable --now ModemManager</translation>
    </message>
    <message>
        <source>the udev rule tells it to leave the cables alone</source>
        <translation>udev 规则已让它不碰编程线</translation>
    </message>
</context>
<context>
    <name>t40::CallResponse</name>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>振动</translation>
    </message>
    <message>
        <source>Chord1</source>
        <translation>和弦1</translation>
    </message>
    <message>
        <source>Chord2</source>
        <translation>和弦2</translation>
    </message>
    <message>
        <source>Vibration+Chord1</source>
        <translation>振动+和弦1</translation>
    </message>
    <message>
        <source>Vibration+Chord2</source>
        <translation>振动+和弦2</translation>
    </message>
</context>
<context>
    <name>t40::ChannelCellDelegate</name>
    <message>
        <source>%1 stored as %2</source>
        <translation>%1 已存为 %2</translation>
    </message>
    <message>
        <source>%1 stored as %2 Hz</source>
        <translation>%1 已存为 %2 Hz</translation>
    </message>
    <message>
        <source>; type D%1 for DCS %1</source>
        <translation>；DCS %1 请输入 D%1</translation>
    </message>
    <message>
        <source> (not a standard tone)</source>
        <translation>（非标准亚音）</translation>
    </message>
</context>
<context>
    <name>t40::ChannelCsvText</name>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>“%1”不是数字</translation>
    </message>
    <message>
        <source>%1 MHz is outside the band %2-%3 MHz</source>
        <translation>%1 MHz 超出频段 %2-%3 MHz</translation>
    </message>
    <message>
        <source>%1 MHz is stored as %2 MHz</source>
        <translation>%1 MHz 存为 %2 MHz</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a CTCSS tone the radio can use (67.0 to 254.1 Hz in steps of 0.1 Hz)</source>
        <translation>“%1”不是本机可用的CTCSS亚音（67.0至254.1 Hz，步进0.1 Hz）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a DCS code the radio can store (three octal digits, 000 to 777)</source>
        <translation>“%1”不是本机可存储的DCS码（三位八进制数，000至777）</translation>
    </message>
    <message>
        <source>unknown cross mode &quot;%1&quot; (%2)</source>
        <translation>未知的交叉模式“%1”（%2）</translation>
    </message>
    <message>
        <source>unknown tone mode &quot;%1&quot; (empty, Tone, TSQL, DTCS or Cross)</source>
        <translation>未知的亚音模式“%1”（空、Tone、TSQL、DTCS或Cross）</translation>
    </message>
    <message>
        <source>unknown DCS polarity &quot;%1&quot; (NN, NR, RN or RR)</source>
        <translation>未知的DCS极性“%1”（NN、NR、RN或RR）</translation>
    </message>
    <message>
        <source>unknown duplex &quot;%1&quot; (empty, +, -, split or off)</source>
        <translation>未知的差频方式“%1”（空、+、-、split或off）</translation>
    </message>
    <message>
        <source>unknown power &quot;%1&quot; (High, Mid, Low or watts such as 5.0W)</source>
        <translation>未知的功率“%1”（High、Mid、Low或瓦数，如5.0W）</translation>
    </message>
    <message>
        <source>%1 is stored as %2 power</source>
        <translation>%1 存为%2功率</translation>
    </message>
    <message>
        <source>the radio has no mode &quot;%1&quot; (FM or NFM)</source>
        <translation>本机不支持模式“%1”（FM或NFM）</translation>
    </message>
    <message>
        <source>unknown skip &quot;%1&quot; (empty or S)</source>
        <translation>未知的跳过值“%1”（空或S）</translation>
    </message>
    <message>
        <source>unknown busy lock &quot;%1&quot; (None, Carrier or QT/DQT)</source>
        <translation>未知的繁忙锁定“%1”（None、Carrier或QT/DQT）</translation>
    </message>
    <message>
        <source>columns ignored: %1</source>
        <translation>忽略的列：%1</translation>
    </message>
    <message>
        <source>the column %1 is missing</source>
        <translation>缺少 %1 列</translation>
    </message>
    <message>
        <source>the file holds no header line</source>
        <translation>文件没有标题行</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>引号字段未结束</translation>
    </message>
    <message>
        <source>channel %1 is already given on line %2</source>
        <translation>信道 %1 已在第 %2 行给出</translation>
    </message>
    <message>
        <source>rows that are not channels of this radio (location outside 1..16) are left aside: lines %1</source>
        <translation>不是本机信道的行（位置不在1..16之内）已略过：第 %1 行</translation>
    </message>
    <message>
        <source>rows without frequency are left aside: lines %1</source>
        <translation>没有频率的行已略过：第 %1 行</translation>
    </message>
    <message>
        <source>names are not kept: the radio stores no channel names (lines %1)</source>
        <translation>名称未保存：本机不存储信道名称（第 %1 行）</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list separator</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 Hz lies beyond the tones the lists name: kept as it is (the lists show no code)</source>
        <translation>%1 Hz 超出列表所列的亚音频率：按原值保留（列表显示为无）</translation>
    </message>
    <message>
        <source>Duplex (simplex: Tx = Rx)</source>
        <translation>Duplex（单工：发射频率 = 接收频率）</translation>
    </message>
    <message>
        <source>Tone (no tones)</source>
        <translation>Tone（无亚音）</translation>
    </message>
    <message>
        <source>DtcsPolarity (DCS codes of normal polarity)</source>
        <translation>DtcsPolarity（DCS码均为正常极性）</translation>
    </message>
    <message>
        <source>Mode (25 kHz, wide)</source>
        <translation>Mode（25 kHz，宽带）</translation>
    </message>
    <message>
        <source>Skip (every channel scanned)</source>
        <translation>Skip（所有信道均加入扫描）</translation>
    </message>
    <message>
        <source>Power (channels in use keep their power, new channels get Low on a licence-free service&apos;s frequency and High elsewhere)</source>
        <translation>Power（已使用的信道保留原功率，新信道在免执照业务的频率上为低功率，其他频率上为高功率）</translation>
    </message>
    <message>
        <source>BusyLock (channels in use keep their busy lock, new channels get None)</source>
        <translation>BusyLock（已使用的信道保留原繁忙锁定，新信道为关）</translation>
    </message>
    <message>
        <source>columns missing: %1</source>
        <translation>缺少的列：%1</translation>
    </message>
    <message>
        <source>; </source>
        <comment>separator of the missing columns</comment>
        <translation>；</translation>
    </message>
</context>
<context>
    <name>t40::ChannelPages</name>
    <message>
        <source>Frequency is out of range!</source>
        <translation>频率超出范围！</translation>
    </message>
</context>
<context>
    <name>t40::ChannelPresets</name>
    <message>
        <source>Europe, 16 channels, 0.5 W, narrow</source>
        <translation>欧洲，16 个信道，0.5 W，窄带</translation>
    </message>
    <message>
        <source>USA, 22 channels, low power, narrow</source>
        <translation>美国，22 个信道，低功率，窄带</translation>
    </message>
    <message>
        <source>Australia, 16 simplex channels, narrow</source>
        <translation>澳大利亚，16 个单工信道，窄带</translation>
    </message>
    <message>
        <source>Europe, 16 of the 69 channels, 10 mW</source>
        <translation>欧洲，69 个信道中的 16 个，10 mW</translation>
    </message>
    <message>
        <source>USA, 5 VHF channels, 2 W</source>
        <translation>美国，5 个 VHF 信道，2 W</translation>
    </message>
    <message>
        <source>No channel of %1 was inserted.</source>
        <translation>未插入 %1 的任何信道。</translation>
    </message>
    <message>
        <source>%1 channels of %2 are in channels %3.</source>
        <translation>%2 的 %1 个信道已填入信道 %3。</translation>
    </message>
    <message>
        <source>Outside the radio&apos;s band, left out: %1 MHz.</source>
        <translation>超出本机频段，未填入：%1 MHz。</translation>
    </message>
    <message>
        <source>No channel left for: %1 MHz.</source>
        <translation>没有空余信道：%1 MHz。</translation>
    </message>
</context>
<context>
    <name>t40::ChannelRules</name>
    <message>
        <source>%1 allows at most %2 power on %3 MHz</source>
        <translation>%1 在 %3 MHz 上最多允许%2功率</translation>
    </message>
    <message>
        <source>%1 requires 12.5 kHz (narrow) spacing on %2 MHz</source>
        <translation>%1 在 %2 MHz 上要求 12.5 kHz（窄带）信道间隔</translation>
    </message>
    <message>
        <source>%1 does not allow transmitting on %2 MHz</source>
        <translation>%1 不允许在 %2 MHz 上发射</translation>
    </message>
</context>
<context>
    <name>t40::ChannelTableModel</name>
    <message>
        <source>Not one of the 50 standard CTCSS tones</source>
        <translation>不是50个标准CTCSS亚音之一</translation>
    </message>
</context>
<context>
    <name>t40::Compare</name>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>receive only</source>
        <translation>仅接收</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>other bytes differ at %1</source>
        <translation>其他字节不同: %1</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>不同</translation>
    </message>
</context>
<context>
    <name>t40::DocumentHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销 %1(&amp;U)</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>撤销 %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做 %1(&amp;R)</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>重做 %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
</context>
<context>
    <name>t40::Entry</name>
    <message>
        <source>%1 is not a frequency in the band (%2 MHz); stored %3</source>
        <translation>%1 不是频段 (%2 MHz) 内的频率；已存为 %3</translation>
    </message>
    <message>
        <source>%1 MHz is above the band (%2 MHz); stored %3</source>
        <translation>%1 MHz 高于频段 (%2 MHz)；已存为 %3</translation>
    </message>
    <message>
        <source>%1 MHz is below the band (%2 MHz); stored %3</source>
        <translation>%1 MHz 低于频段 (%2 MHz)；已存为 %3</translation>
    </message>
</context>
<context>
    <name>t40::ExchangeCommands</name>
    <message>
        <source>CSV file(*.csv)</source>
        <translation>CSV文件(*.csv)</translation>
    </message>
    <message>
        <source>All files(*)</source>
        <translation>所有文件(*)</translation>
    </message>
    <message>
        <source>%1 lists no channel of this radio. Nothing has been changed.</source>
        <translation>%1 中没有本机的信道，未作任何更改。</translation>
    </message>
    <message>
        <source>Imported channels %1 from %2. The channels the file does not list are unchanged.</source>
        <translation>已从 %2 导入信道 %1。文件未列出的信道保持不变。</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>导出信道</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>无法写入文件 %1：%2</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2</source>
        <translation>无法读取文件 %1：%2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>%1 is too large to be a channel list.</source>
        <translation>%1 太大，不是信道列表。</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Radio data file(*.rdat *.dat)</source>
        <translation>对讲机数据文件(*.rdat *.dat)</translation>
    </message>
    <message>
        <source>All file(*.*)</source>
        <translation>所有文件(*.*)</translation>
    </message>
    <message>
        <source>Error file！</source>
        <translation>错误的文件！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The plan goes into the selected channels %1, in order.</source>
        <translation>方案依次填入所选信道 %1。</translation>
    </message>
    <message>
        <source>The plan goes into the empty channels, from the first one on. Select several rows of the channel grid to choose the channels yourself.</source>
        <translation>方案从第一个空信道起依次填入空信道。在信道表格中选择多行可自行指定信道。</translation>
    </message>
    <message>
        <source>%1 is a %2 channel plan; this radio&apos;s band is %3 %4-%5 MHz. File &gt; New From Preset... makes a data file of the plan&apos;s band.</source>
        <translation>%1 是 %2 信道方案；本机频段为 %3 %4-%5 MHz。“文件 &gt; 从预设新建...”可生成该方案频段的数据文件。</translation>
    </message>
</context>
<context>
    <name>t40::Field</name>
    <message>
        <source>Channel table</source>
        <translation>信道表</translation>
    </message>
    <message>
        <source>Call response</source>
        <translation>呼叫响应</translation>
    </message>
    <message>
        <source>VOX cancel</source>
        <translation>声控可取消</translation>
    </message>
    <message>
        <source>VOX delay</source>
        <translation>声控延时</translation>
    </message>
    <message>
        <source>VOX proceed tone</source>
        <translation>声控可进行音调</translation>
    </message>
    <message>
        <source>PF1 key</source>
        <translation>PF1键</translation>
    </message>
    <message>
        <source>PF2 key</source>
        <translation>PF2键</translation>
    </message>
    <message>
        <source>PF1 long key</source>
        <translation>PF1长按键</translation>
    </message>
    <message>
        <source>PF2 long key</source>
        <translation>PF2长按键</translation>
    </message>
    <message>
        <source>Squelch tail elimination</source>
        <translation>无信令消除尾音</translation>
    </message>
    <message>
        <source>Priority scan type</source>
        <translation>优先扫描类型</translation>
    </message>
    <message>
        <source>Look back time A</source>
        <translation>回扫时间A</translation>
    </message>
    <message>
        <source>Look back time B</source>
        <translation>回扫时间B</translation>
    </message>
    <message>
        <source>Revert channel</source>
        <translation>返回信道</translation>
    </message>
    <message>
        <source>Dropout delay time</source>
        <translation>扫描接收恢复延迟时间</translation>
    </message>
    <message>
        <source>TX dwell time</source>
        <translation>扫描发射恢复延迟时间</translation>
    </message>
    <message>
        <source>Mic noise reduction</source>
        <translation>麦克风降噪</translation>
    </message>
    <message>
        <source>Alert lock</source>
        <translation>报警锁定</translation>
    </message>
    <message>
        <source>Reset allowed</source>
        <translation>复位允许</translation>
    </message>
    <message>
        <source>Band extension</source>
        <translation>频段扩展</translation>
    </message>
    <message>
        <source>Voice prompt</source>
        <translation>提示音</translation>
    </message>
    <message>
        <source>Time-out timer</source>
        <translation>超时定时器</translation>
    </message>
    <message>
        <source>TOT warning</source>
        <translation>超时定时器预警</translation>
    </message>
    <message>
        <source>Roger tone</source>
        <translation>发射结束提示音</translation>
    </message>
    <message>
        <source>Squelch level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Battery save</source>
        <translation>省电</translation>
    </message>
    <message>
        <source>Priority channel 1</source>
        <translation>优先信道1</translation>
    </message>
    <message>
        <source>Priority channel 2</source>
        <translation>优先信道2</translation>
    </message>
    <message>
        <source>Priority channel 3</source>
        <translation>优先信道3</translation>
    </message>
    <message>
        <source>Priority channel 4</source>
        <translation>优先信道4</translation>
    </message>
    <message>
        <source>Priority channel 5</source>
        <translation>优先信道5</translation>
    </message>
    <message>
        <source>Priority channel 6</source>
        <translation>优先信道6</translation>
    </message>
    <message>
        <source>Priority channel 7</source>
        <translation>优先信道7</translation>
    </message>
    <message>
        <source>Priority channel 8</source>
        <translation>优先信道8</translation>
    </message>
    <message>
        <source>VOX</source>
        <translation>声控功能</translation>
    </message>
    <message>
        <source>VOX level</source>
        <translation>声控等级</translation>
    </message>
    <message>
        <source>Scan-add bitmap</source>
        <translation>扫描添加表</translation>
    </message>
    <message>
        <source>Model block</source>
        <translation>机型块</translation>
    </message>
    <message>
        <source>Band family</source>
        <translation>频段系列</translation>
    </message>
    <message>
        <source>Band code</source>
        <translation>频段代码</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>Password block</source>
        <translation>密码块</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Message line 1</source>
        <translation>嵌入信息第1行</translation>
    </message>
    <message>
        <source>Message line 2</source>
        <translation>嵌入信息第2行</translation>
    </message>
    <message>
        <source>Tune group 1</source>
        <translation>调谐数据第1组</translation>
    </message>
    <message>
        <source>Tune group 2</source>
        <translation>调谐数据第2组</translation>
    </message>
    <message>
        <source>Tune group 3</source>
        <translation>调谐数据第3组</translation>
    </message>
    <message>
        <source>Tune group 4</source>
        <translation>调谐数据第4组</translation>
    </message>
    <message>
        <source>Tune common</source>
        <translation>调谐数据公共区</translation>
    </message>
    <message>
        <source>Dealer information</source>
        <translation>本机信息</translation>
    </message>
    <message>
        <source>Stun/kill</source>
        <translation>遥晕遥毙选项</translation>
    </message>
    <message>
        <source>Special option</source>
        <translation>特殊选项</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>频偏</translation>
    </message>
    <message>
        <source>Radio type</source>
        <translation>机型</translation>
    </message>
    <message>
        <source>Frequency area</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Area code</source>
        <translation>销售区号</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Production date</source>
        <translation>出厂日期</translation>
    </message>
    <message>
        <source>Manufacture code</source>
        <translation>生产批号</translation>
    </message>
    <message>
        <source>User code</source>
        <translation>客户代码</translation>
    </message>
    <message>
        <source>Maintenance date</source>
        <translation>维修日期</translation>
    </message>
    <message>
        <source>Dealer code</source>
        <translation>经销商代码</translation>
    </message>
    <message>
        <source>Stock date</source>
        <translation>入库时间</translation>
    </message>
    <message>
        <source>Sell date</source>
        <translation>销售时间</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>经手人</translation>
    </message>
    <message>
        <source>Maintenance description</source>
        <translation>维修原因</translation>
    </message>
    <message>
        <source>Stun code</source>
        <translation>遥晕码</translation>
    </message>
    <message>
        <source>Kill code</source>
        <translation>遥毙码</translation>
    </message>
    <message>
        <source>Code lengths</source>
        <translation>码长</translation>
    </message>
    <message>
        <source>Stun status</source>
        <translation>遥毙状态</translation>
    </message>
    <message>
        <source>Call response type</source>
        <translation>呼叫响应方式</translation>
    </message>
    <message>
        <source>Stun/kill enable</source>
        <translation>遥晕遥毙使能</translation>
    </message>
    <message>
        <source>RX voice level</source>
        <translation>接收声音等级</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>CTCSS/DCS Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>CTCSS/DCS Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Tx Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Scan Add</source>
        <translation>扫描添加</translation>
    </message>
    <message>
        <source>Channel Spacing</source>
        <translation>宽/窄带</translation>
    </message>
    <message>
        <source>Busy Lock</source>
        <translation>繁忙锁定</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>信道%1</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>信道</translation>
    </message>
</context>
<context>
    <name>t40::FileCommands</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>是否保存对 %1 的更改？</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>打开备份</translation>
    </message>
    <message>
        <source>Do you want to cover current data?</source>
        <translation>覆盖当前数据？</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2</source>
        <translation>无法读取文件 %1：%2</translation>
    </message>
    <message>
        <source>Error file！</source>
        <translation>错误的文件！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a pipe or a folder); choose another name</source>
        <translation>它不是普通文件（设备、管道或文件夹），请另选文件名</translation>
    </message>
    <message>
        <source>it belongs to another user; save it under another name</source>
        <translation>该文件属于其他用户，请另存为其他文件名</translation>
    </message>
    <message>
        <source>The file %1 is read-only. Save the data under another name?</source>
        <translation>文件 %1 是只读的。是否另存为其他文件名？</translation>
    </message>
    <message>
        <source>it is a link that another user made in a shared folder, or a loop of links; choose another name</source>
        <translation>它是其他用户在共享文件夹中创建的链接或循环链接，请另选文件名</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>无法写入文件 %1：%2</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>A new data file gets the plan in channels 1 to 16, with the band the plan needs.</source>
        <translation>新数据文件的信道 1 至 16 将填入该方案，频段为方案所需的频段。</translation>
    </message>
</context>
<context>
    <name>t40::FormBatchChannelEdit</name>
    <message>
        <source>Batch ChannelEdit</source>
        <translation>信道批量编辑</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>应用(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>范围:</translation>
    </message>
    <message>
        <source>All Channel</source>
        <translation>所有信道</translation>
    </message>
    <message>
        <source>From Channel             To Channel</source>
        <translation>从信道                   到信道</translation>
    </message>
    <message>
        <source>Clear the data of other channel</source>
        <translation>清空选定范围外的信道</translation>
    </message>
    <message>
        <source>Channel=(GroupID-1)*16+ChannelID</source>
        <translation>信道=(组ID-1)*16+信道ID</translation>
    </message>
    <message>
        <source>RX Frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>TX Frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>CTCSS/DCS Decode</source>
        <translation>CTCSS/DCS解码</translation>
    </message>
    <message>
        <source>CTCSS/DCS Encode</source>
        <translation>CTCSS/DCS编码</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Channel Spacing</source>
        <translation>宽窄带</translation>
    </message>
    <message>
        <source>Busy Channel Lock-out</source>
        <translation>信道繁忙锁定</translation>
    </message>
    <message>
        <source>Scan Add</source>
        <translation>扫描添加</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>倒频</translation>
    </message>
    <message>
        <source>Talk Around</source>
        <translation>脱网</translation>
    </message>
    <message>
        <source>Select Al&amp;l</source>
        <translation>全选(&amp;L)</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>全不选(&amp;N)</translation>
    </message>
    <message>
        <source>ASC</source>
        <translation>递增</translation>
    </message>
    <message>
        <source>DESC</source>
        <translation>递减</translation>
    </message>
    <message>
        <source>Incept Frequency(MHz)</source>
        <translation>起始频率(MHz)</translation>
    </message>
    <message>
        <source>RX Step(KHz)</source>
        <translation>接收步进(KHz)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Offset(MHz)</source>
        <translation>偏移频率(MHz)</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>频偏加</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>频偏减</translation>
    </message>
    <message>
        <source>Incept(MHz)</source>
        <translation>起始频率(MHz)</translation>
    </message>
    <message>
        <source>TX Step(KHz)</source>
        <translation>发射步进(KHz)</translation>
    </message>
    <message>
        <source>Incept</source>
        <translation>起始信令</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>Edit &amp;Setting</source>
        <translation>编辑设定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
</context>
<context>
    <name>t40::FormChangePreview</name>
    <message>
        <source>Changes Before Write</source>
        <translation>写入前的更改</translation>
    </message>
    <message>
        <source>No changes: the radio already holds this data. You may still write it.</source>
        <translation>没有更改：对讲机中已是这些数据。仍可写入。</translation>
    </message>
    <message>
        <source>Writing changes %1 values in the radio, each shown as radio -&gt; data:</source>
        <translation>写入将更改对讲机中的 %1 项，格式为 对讲机 -&gt; 数据：</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写入(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>These channels break the rules of a licence-free service:</source>
        <translation>以下信道违反免执照业务的规则：</translation>
    </message>
</context>
<context>
    <name>t40::FormChannelCopy</name>
    <message>
        <source>Copy Channel</source>
        <translation>信道复制</translation>
    </message>
    <message>
        <source>Channel               To Channel</source>
        <translation>信道                   到信道</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>复制(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>t40::FormChannelEdit</name>
    <message>
        <source>Channel Edit</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>CTCSS/DCS Decode</source>
        <translation>CTCSS/DCS解码</translation>
    </message>
    <message>
        <source>CTCSS/DCS Encode</source>
        <translation>CTCSS/DCS编码</translation>
    </message>
    <message>
        <source>Busy Channel Lock-out</source>
        <translation>繁忙锁定</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>倒频</translation>
    </message>
    <message>
        <source>Talk Around</source>
        <translation>脱网</translation>
    </message>
    <message>
        <source>Scramble Type</source>
        <translation>扰频组别</translation>
    </message>
    <message>
        <source>= Decode</source>
        <translation>= 解码</translation>
    </message>
    <message>
        <source>Encode with the decode code</source>
        <translation>编码使用解码的代码</translation>
    </message>
</context>
<context>
    <name>t40::FormChannelInformation</name>
    <message>
        <source>Channel Information</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>Channel Edit</source>
        <translation>信道编辑</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>组</translation>
    </message>
    <message>
        <source>Radio Frequency</source>
        <translation>收音机频率</translation>
    </message>
    <message>
        <source>Copy &amp;Channel...</source>
        <translation>信道复制(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Frequency Copy...</source>
        <translation>频率复制(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;QT/DQT Copy...</source>
        <translation>亚音复制(&amp;Q)...</translation>
    </message>
    <message>
        <source>&amp;Insert Channel</source>
        <translation>插入信道(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Delete Channel</source>
        <translation>删除信道(&amp;D)</translation>
    </message>
    <message>
        <source>Channel &amp;Edit</source>
        <translation>信道编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Move Channel &amp;Up</source>
        <translation>上移信道(&amp;U)</translation>
    </message>
    <message>
        <source>Move Channel Do&amp;wn</source>
        <translation>下移信道(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Sort Channels by Rx Frequency</source>
        <translation>按接收频率排序(&amp;S)</translation>
    </message>
    <message>
        <source>Enc&amp;ode as Decode</source>
        <translation>编码同解码(&amp;O)</translation>
    </message>
    <message>
        <source>Set Selected C&amp;hannels</source>
        <translation>设置所选信道(&amp;H)</translation>
    </message>
    <message>
        <source>Channel 16 is in use: delete or move it to make room</source>
        <translation>信道16已使用：请删除或移动它以腾出位置</translation>
    </message>
    <message>
        <source>Insert an empty channel at the selected one</source>
        <translation>在所选信道处插入空信道</translation>
    </message>
</context>
<context>
    <name>t40::FormChannelPreset</name>
    <message>
        <source>%1 channels, %2 MHz (%3)</source>
        <translation>%1 个信道，%2 MHz（%3）</translation>
    </message>
    <message>
        <source>The service allows at most %1 power.</source>
        <translation>该业务最多允许%1功率。</translation>
    </message>
    <message>
        <source>It requires 12.5 kHz (narrow) spacing.</source>
        <translation>要求 12.5 kHz（窄带）信道间隔。</translation>
    </message>
    <message>
        <source>Some of its frequencies are not for transmitting.</source>
        <translation>其部分频率不允许发射。</translation>
    </message>
    <message>
        <source>Channels that break these rules are marked in the channel grid.</source>
        <translation>违反这些规则的信道会在信道表格中标出。</translation>
    </message>
    <message>
        <source>New From Preset</source>
        <translation>从预设新建</translation>
    </message>
    <message>
        <source>Insert Preset Channels</source>
        <translation>插入预设信道</translation>
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
        <source>No channel plan is available.</source>
        <translation>没有可用的信道方案。</translation>
    </message>
</context>
<context>
    <name>t40::FormCheckCable</name>
    <message>
        <source>Check Cable</source>
        <translation>检查编程线</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>重新检查(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Checking %1 port(s)...</source>
        <translation>正在检查 %1 个端口...</translation>
    </message>
    <message>
        <source>No serial port to check: plug the cable in.</source>
        <translation>没有可检查的串口：请插入编程线。</translation>
    </message>
</context>
<context>
    <name>t40::FormComPort</name>
    <message>
        <source>Set COM</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <source>Comm Port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>(no access)</source>
        <translation>（无权访问）</translation>
    </message>
    <message>
        <source>Cable lines</source>
        <translation>编程线信号</translation>
    </message>
    <message>
        <source>&amp;DTR asserted</source>
        <translation>DTR 有效(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;RTS asserted</source>
        <translation>RTS 有效(&amp;R)</translation>
    </message>
    <message>
        <source>For cables that draw power from these lines or key the radio with them.</source>
        <translation>用于从这些信号取电或用它们控制对讲机的编程线。</translation>
    </message>
</context>
<context>
    <name>t40::FormCompare</name>
    <message>
        <source>Compare %1 With %2</source>
        <translation>比较 %1 与 %2</translation>
    </message>
    <message>
        <source>No differences: %1 and %2 hold the same data.</source>
        <translation>没有差异：%1 与 %2 的数据相同。</translation>
    </message>
    <message>
        <source>%1 differences, each shown as %2 -&gt; %3:</source>
        <translation>共 %1 处差异，格式为 %2 -&gt; %3：</translation>
    </message>
    <message>
        <source>Only the 1024 bytes a data file holds are compared.</source>
        <translation>只比较数据文件所含的 1024 字节。</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
</context>
<context>
    <name>t40::FormDetectRadio</name>
    <message>
        <source>Detect Radio</source>
        <translation>检测对讲机</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Search &amp;Again</source>
        <translation>重新检测(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Use This Port</source>
        <translation>使用此端口(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Asking %1 port(s) for a radio...</source>
        <translation>正在检测 %1 个端口...</translation>
    </message>
    <message>
        <source>No radio answered. Check that the radio is on and the cable is plugged in.</source>
        <translation>没有对讲机应答。请检查对讲机是否开机、电缆是否连接。</translation>
    </message>
    <message>
        <source>A radio answered on %1 port(s).</source>
        <translation>%1 个端口上有对讲机应答。</translation>
    </message>
</context>
<context>
    <name>t40::FormDtmf</name>
    <message>
        <source>Stun Option</source>
        <translation>遥晕遥毙选项</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>遥毙状态</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Stun</source>
        <translation>遥晕</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>遥毙</translation>
    </message>
    <message>
        <source>DTMF Code</source>
        <translation>遥晕码/遥毙码</translation>
    </message>
    <message>
        <source>Stun Code</source>
        <translation>遥晕码</translation>
    </message>
    <message>
        <source>Die Code</source>
        <translation>遥毙码</translation>
    </message>
    <message>
        <source>Call Response Type</source>
        <translation>呼叫响应方式</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>和弦</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>振铃</translation>
    </message>
    <message>
        <source>Stun/Die Enable</source>
        <translation>遥晕遥毙使能</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写入(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Code must longer than 5</source>
        <translation>至少要6个码</translation>
    </message>
    <message>
        <source>Write Data into Raido.Do you wish continue?</source>
        <translation>向对讲机写入本机信息？</translation>
    </message>
    <message>
        <source>Write data successful</source>
        <translation>写入数据成功</translation>
    </message>
</context>
<context>
    <name>t40::FormEmbedMessage</name>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Embedded Message</source>
        <translation>嵌入信息</translation>
    </message>
</context>
<context>
    <name>t40::FormFrequencyCopy</name>
    <message>
        <source>Frequency Copy</source>
        <translation>频率复制</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>t40::FormImportChannels</name>
    <message>
        <source>Line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>, column %1</source>
        <translation>，第 %1 列</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>%1 has the problems listed below. Nothing has been changed yet.</source>
        <translation>%1 存在下列问题，尚未作任何更改。</translation>
    </message>
    <message>
        <source>No row can be imported.</source>
        <translation>没有可导入的行。</translation>
    </message>
    <message>
        <source>The rows without problems can be imported: channels %1. The rows with problems and the channels the file does not list stay as they are.</source>
        <translation>可导入没有问题的行：信道 %1。有问题的行和文件未列出的信道保持不变。</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>&amp;Import the valid rows</source>
        <translation>导入有效行(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>t40::FormKeySetting</name>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Key Setting</source>
        <translation>键设定</translation>
    </message>
</context>
<context>
    <name>t40::FormLanguage</name>
    <message>
        <source>Set Language</source>
        <translation>语言设置</translation>
    </message>
    <message>
        <source>Language Select</source>
        <translation>语言选择</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>t40::FormLocalMessage</name>
    <message>
        <source>Local Message</source>
        <translation>本机信息</translation>
    </message>
    <message>
        <source>Area Code</source>
        <translation>销售区号</translation>
    </message>
    <message>
        <source>Manufacture Code</source>
        <translation>生产批号</translation>
    </message>
    <message>
        <source>User Code</source>
        <translation>客户代码</translation>
    </message>
    <message>
        <source>Radio Typye</source>
        <translation>机型</translation>
    </message>
    <message>
        <source>Frequency Area</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Producted Date</source>
        <translation>出厂日期</translation>
    </message>
    <message>
        <source>Maintained Date</source>
        <translation>维修日期</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>Maintained Description</source>
        <translation>维修原因</translation>
    </message>
    <message>
        <source>Seller Information</source>
        <translation>销售商信息</translation>
    </message>
    <message>
        <source>Dealer Code</source>
        <translation>经销商代码</translation>
    </message>
    <message>
        <source>Stock Date</source>
        <translation>入库时间</translation>
    </message>
    <message>
        <source>Sell Date</source>
        <translation>销售时间</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>经手人</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>t40::FormModelInformation</name>
    <message>
        <source>Model Information</source>
        <translation>机型信息</translation>
    </message>
    <message>
        <source>Model Type</source>
        <translation>机型类型</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Frequency data will be cleared</source>
        <translation>频率数据将被清除</translation>
    </message>
</context>
<context>
    <name>t40::FormOption</name>
    <message>
        <source>Function Setup</source>
        <translation>功能设定</translation>
    </message>
    <message>
        <source>Time Out Timer(TOT)[s]</source>
        <translation>超时定时器(TOT)[秒]</translation>
    </message>
    <message>
        <source>TOT Warning Time[s]</source>
        <translation>超时定时器预警[秒]</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Voice Prompt</source>
        <translation>提示音</translation>
    </message>
    <message>
        <source>VOX Setting</source>
        <translation>声控设置</translation>
    </message>
    <message>
        <source>VOX Function</source>
        <translation>声控功能</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>声控等级</translation>
    </message>
    <message>
        <source>Battery Save</source>
        <translation>省电</translation>
    </message>
    <message>
        <source>Roger</source>
        <translation>发射结束提示音</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Call Response</source>
        <translation>呼叫响应</translation>
    </message>
    <message>
        <source>Mic Noise Reduction</source>
        <translation>麦克风降噪</translation>
    </message>
    <message>
        <source>VOX Delay Time[s]</source>
        <translation>声控延时</translation>
    </message>
    <message>
        <source>Cancel Operation</source>
        <translation>声控可取消</translation>
    </message>
    <message>
        <source>VOX Proceed Tone</source>
        <translation>声控可进行音调</translation>
    </message>
    <message>
        <source>Alert Locked</source>
        <translation>报警锁定</translation>
    </message>
    <message>
        <source>Frequency Band Extension</source>
        <translation>频段扩展</translation>
    </message>
    <message>
        <source>Reset Allowed</source>
        <translation>复位允许</translation>
    </message>
    <message>
        <source>Eliminate Squelch Tail When No CTCSS/DCS Signaling</source>
        <translation>无信令消除尾音</translation>
    </message>
    <message>
        <source>Scramble Enable</source>
        <translation>扰频激活</translation>
    </message>
</context>
<context>
    <name>t40::FormPassword</name>
    <message>
        <source>Program Password</source>
        <translation>编程密码</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Chann&amp;ge</source>
        <translation>修改(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>t40::FormPasswordChange</name>
    <message>
        <source>Change Password</source>
        <translation>编程密码</translation>
    </message>
    <message>
        <source>OldPassword</source>
        <translation>旧密码</translation>
    </message>
    <message>
        <source>NewPassword</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>NewPassword verify</source>
        <translation>新密码确认</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Different between two new passowrds</source>
        <translation>新密码不一致</translation>
    </message>
    <message>
        <source>Change password?</source>
        <translation>修改密码？</translation>
    </message>
    <message>
        <source>Change password successful</source>
        <translation>修改密码成功</translation>
    </message>
</context>
<context>
    <name>t40::FormPrint</name>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Key Assignment</source>
        <translation>键设定</translation>
    </message>
    <message>
        <source>Embedded Message</source>
        <translation>嵌入信息</translation>
    </message>
    <message>
        <source>Channel Information</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>打印设置(&amp;R)</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>全部清除(&amp;L)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全部选定(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>导出PDF</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>PDF file(*.pdf)</source>
        <translation>PDF文件(*.pdf)</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>无法写入文件 %1：%2</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>打印列表</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
</context>
<context>
    <name>t40::FormPrinterSetting</name>
    <message>
        <source>Print Setup</source>
        <translation>打印设置</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>打印机</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>名称(&amp;N)</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>纸张</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>大小(&amp;Z):</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>来源(&amp;S)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>L&amp;andscape</source>
        <translation>横向(&amp;O)</translation>
    </message>
    <message>
        <source>Po&amp;rtrait</source>
        <translation>纵向(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>t40::FormProcess</name>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Complete:0%</source>
        <translation>完成进度:0%</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>NewPassword</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>Read data from radio</source>
        <translation>从对讲机读取数据</translation>
    </message>
    <message>
        <source>Write data from radio</source>
        <translation>向对讲机写入数据</translation>
    </message>
    <message>
        <source>Write data into radio</source>
        <translation>往对讲机写入数据</translation>
    </message>
    <message>
        <source>Check connection!Retry or cancel?</source>
        <translation>检测连接！重试或取消？</translation>
    </message>
    <message>
        <source>Frequency band is different,Overwrite?</source>
        <translation>与机器频段不同,是否覆盖？</translation>
    </message>
    <message>
        <source>Please reselect COM port!</source>
        <translation>请重新选择端口！</translation>
    </message>
    <message>
        <source>Write Data OK</source>
        <translation>写频成功</translation>
    </message>
    <message>
        <source>Read Data OK</source>
        <translation>读频成功</translation>
    </message>
    <message>
        <source>The backup copy %1 could not be written: %2</source>
        <translation>无法写入备份文件 %1：%2</translation>
    </message>
    <message>
        <source>Verify data in radio</source>
        <translation>校验对讲机数据</translation>
    </message>
    <message>
        <source>Verify failed</source>
        <translation>校验失败</translation>
    </message>
    <message>
        <source>Verified: the radio holds the data</source>
        <translation>已校验：对讲机中的数据与写入的一致</translation>
    </message>
    <message>
        <source>No answer from the radio on %1. Likely causes: the radio is off or not in programming state, this is not the cable&apos;s port, or the cable is not seated firmly. Detect Radio looks for the radio on every port; Program &gt; Check Cable finds out more.</source>
        <translation>%1 上的对讲机没有应答。可能的原因：对讲机未开机或未处于编程状态、这不是编程线的端口、编程线未插紧。“检测对讲机”会在所有端口上查找对讲机；“编程 &gt; 检查编程线”可查明更多原因。</translation>
    </message>
    <message>
        <source>Waiting for the radio on %1, try %2 of %3</source>
        <translation>正在等待 %1 上的对讲机，第 %2 次（共 %3 次）</translation>
    </message>
    <message>
        <source>The radio is %1; the data is %2. Overwrite?</source>
        <translation>对讲机为 %1；数据为 %2。是否覆盖？</translation>
    </message>
    <message>
        <source>The write did not complete: the radio may hold part of the new data.</source>
        <translation>写入未完成：对讲机中可能只有部分新数据。</translation>
    </message>
    <message>
        <source>Read the radio before writing</source>
        <translation>写入前读取对讲机</translation>
    </message>
    <message>
        <source>The radio could not be read, so nothing was written: the radio and the data are as they were.</source>
        <translation>无法读取对讲机，因此没有写入：对讲机和数据都保持原样。</translation>
    </message>
    <message>
        <source>Nothing written</source>
        <translation>未写入</translation>
    </message>
    <message>
        <source>The radio&apos;s previous data, read before the write, can be written back.</source>
        <translation>写入前读出的对讲机原来的数据可以写回。</translation>
    </message>
    <message>
        <source>Restore the radio&apos;s previous data</source>
        <translation>恢复对讲机原来的数据</translation>
    </message>
    <message>
        <source>Previous data restored</source>
        <translation>已恢复原来的数据</translation>
    </message>
    <message>
        <source>Restore failed</source>
        <translation>恢复失败</translation>
    </message>
    <message>
        <source>The radio&apos;s previous data could not be written back; the radio may hold part of either.</source>
        <translation>无法写回对讲机原来的数据；对讲机中可能是新旧数据各一部分。</translation>
    </message>
    <message>
        <source>The restored data could not be read back for the check.</source>
        <translation>无法读回恢复的数据进行校验。</translation>
    </message>
</context>
<context>
    <name>t40::FormProgrammingLog</name>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>No. in row</source>
        <translation>批次序号</translation>
    </message>
    <message>
        <source>Programming Log</source>
        <translation>编程日志</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>导出(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2</source>
        <translation>无法读取文件 %1：%2</translation>
    </message>
    <message>
        <source>%1 entries in %2</source>
        <translation>%2 中共 %1 条记录</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>CSV file(*.csv)</source>
        <translation>CSV 文件(*.csv)</translation>
    </message>
    <message>
        <source>All file(*.*)</source>
        <translation>所有文件(*.*)</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>无法写入文件 %1：%2</translation>
    </message>
    <message>
        <source>read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>read password</source>
        <translation>读取密码</translation>
    </message>
    <message>
        <source>write password</source>
        <translation>写入密码</translation>
    </message>
    <message>
        <source>read tune data</source>
        <translation>读取调谐数据</translation>
    </message>
    <message>
        <source>write tune data</source>
        <translation>写入调谐数据</translation>
    </message>
    <message>
        <source>read dealer information</source>
        <translation>读取经销商信息</translation>
    </message>
    <message>
        <source>write dealer information</source>
        <translation>写入经销商信息</translation>
    </message>
    <message>
        <source>read special option</source>
        <translation>读取特殊选项</translation>
    </message>
    <message>
        <source>write special option</source>
        <translation>写入特殊选项</translation>
    </message>
    <message>
        <source>read stun/kill</source>
        <translation>读取遥晕遥毙</translation>
    </message>
    <message>
        <source>write stun/kill</source>
        <translation>写入遥晕遥毙</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>refused: band differs</source>
        <translation>拒绝：频段不同</translation>
    </message>
    <message>
        <source>failed: no answer</source>
        <translation>失败：无应答</translation>
    </message>
    <message>
        <source>failed: port cannot be opened</source>
        <translation>失败：无法打开端口</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>已放弃</translation>
    </message>
    <message>
        <source>failed: verify found a difference</source>
        <translation>失败：校验发现差异</translation>
    </message>
</context>
<context>
    <name>t40::FormQtDqtCopy</name>
    <message>
        <source>QT/DQT Copy</source>
        <translation>亚音复制</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>接收亚音频</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>发射亚音频</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>t40::FormScanInformation</name>
    <message>
        <source>Scan Information</source>
        <translation>扫描信息</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先</translation>
    </message>
    <message>
        <source>Look Back Time A[s]</source>
        <translation>回扫时间A[秒]</translation>
    </message>
    <message>
        <source>Look Back Time B[s]</source>
        <translation>回扫时间B[秒]</translation>
    </message>
    <message>
        <source>Dropout Delay Time[s]</source>
        <translation>扫描接收恢复延迟时间[秒]</translation>
    </message>
    <message>
        <source>TX Dwell Time[s]</source>
        <translation>扫描发射恢复延迟时间[秒]</translation>
    </message>
    <message>
        <source>Revert Channel</source>
        <translation>返回信道</translation>
    </message>
    <message>
        <source>Priority Channel </source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>t40::FormSpecial</name>
    <message>
        <source>Special Option</source>
        <translation>特殊选项</translation>
    </message>
    <message>
        <source>RX Voice Level:</source>
        <translation>接收声音等级:</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写入(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Write Data into Raido.Do you wish continue?</source>
        <translation>向对讲机写入本机信息？</translation>
    </message>
    <message>
        <source>Write data successful</source>
        <translation>写入数据成功</translation>
    </message>
</context>
<context>
    <name>t40::FormTune</name>
    <message>
        <source>Tune Data</source>
        <translation>调谐数据</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>SQ</source>
        <translation>灵敏度</translation>
    </message>
    <message>
        <source>TX High</source>
        <translation>低功率</translation>
    </message>
    <message>
        <source>TX Low</source>
        <translation>高功率</translation>
    </message>
    <message>
        <source>Sq Detect</source>
        <translation>静噪检测</translation>
    </message>
    <message>
        <source>High Threshlod</source>
        <translation>高阀值</translation>
    </message>
    <message>
        <source>Low Threshlod</source>
        <translation>低阀值</translation>
    </message>
    <message>
        <source>BandWide(0.1KHz):</source>
        <translation>最大频率偏移(0.1KHz):</translation>
    </message>
    <message>
        <source>Read TuneData</source>
        <translation>读调谐数据</translation>
    </message>
    <message>
        <source>Write TuneData</source>
        <translation>写调谐数据</translation>
    </message>
    <message>
        <source>Read tune data from radio.Do you wish continue?</source>
        <translation>从对讲机读取调谐数据？</translation>
    </message>
    <message>
        <source>Read data successful</source>
        <translation>读取数据成功</translation>
    </message>
    <message>
        <source>Write tune data into radio.Do you wish continue?</source>
        <translation>向对讲机写入调谐数据？</translation>
    </message>
    <message>
        <source>Write data successful</source>
        <translation>写入数据成功</translation>
    </message>
    <message>
        <source>Detection1(W)</source>
        <translation>检测1(宽) </translation>
    </message>
    <message>
        <source>Detection2(W)</source>
        <translation>检测2(宽)</translation>
    </message>
    <message>
        <source>Detection3(W)</source>
        <translation>检测3(宽)</translation>
    </message>
    <message>
        <source>Detection4(W)</source>
        <translation>检测4(宽)</translation>
    </message>
    <message>
        <source>Detection1(N)</source>
        <translation>检测1(窄) </translation>
    </message>
    <message>
        <source>Detection2(N)</source>
        <translation>检测2(窄)</translation>
    </message>
    <message>
        <source>Detection3(N)</source>
        <translation>检测3(窄)</translation>
    </message>
    <message>
        <source>Detection4(N)</source>
        <translation>检测4(窄)</translation>
    </message>
</context>
<context>
    <name>t40::FormWriteMany</name>
    <message>
        <source>Written and verified</source>
        <translation>写入并校验成功</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>写入成功</translation>
    </message>
    <message>
        <source>FAILED: other frequency band</source>
        <translation>失败：频段不同</translation>
    </message>
    <message>
        <source>FAILED: the radio stopped answering</source>
        <translation>失败：对讲机无应答</translation>
    </message>
    <message>
        <source>FAILED: verify found differences</source>
        <translation>失败：校验不一致</translation>
    </message>
    <message>
        <source>Write to Many Radios</source>
        <translation>批量写入对讲机</translation>
    </message>
    <message>
        <source>File: %1    Band: %2 %3-%4 MHz    Port: %5</source>
        <translation>文件：%1    频段：%2 %3-%4 MHz    端口：%5</translation>
    </message>
    <message>
        <source>Connect the first radio and press Start</source>
        <translation>请连接第一台对讲机，然后按“开始”</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>The programming log cannot be written: %1</source>
        <translation>无法写入编程日志：%1</translation>
    </message>
    <message>
        <source>Stopping after this radio...</source>
        <translation>写完这台后停止...</translation>
    </message>
    <message>
        <source>Connect the next radio</source>
        <translation>请连接下一台对讲机</translation>
    </message>
    <message>
        <source>Writing radio %1...</source>
        <translation>正在写入第 %1 台...</translation>
    </message>
    <message>
        <source>Verifying radio %1...</source>
        <translation>正在校验第 %1 台...</translation>
    </message>
    <message>
        <source>Take the radio off the cable</source>
        <translation>请取下对讲机</translation>
    </message>
    <message>
        <source>Paused: the port %1 cannot be used (%2). Reconnect the cable; the row goes on when the port is back.</source>
        <translation>已暂停：端口 %1 无法使用（%2）。请重新连接电缆，端口恢复后继续。</translation>
    </message>
    <message>
        <source>it has gone</source>
        <translation>端口已断开</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Radio %1: %2</source>
        <translation>第 %1 台：%2</translation>
    </message>
    <message>
        <source>Radios: %1    Written: %2    Failed: %3</source>
        <translation>台数：%1    成功：%2    失败：%3</translation>
    </message>
</context>
<context>
    <name>t40::HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>后退(&amp;B)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
</context>
<context>
    <name>t40::KeyFunction</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>监听</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
</context>
<context>
    <name>t40::MDIFormMain</name>
    <message>
        <source>The factory data file Init.dat is missing or damaged. The missing data is left empty.</source>
        <translation>出厂数据文件 Init.dat 缺失或已损坏，缺少的数据保持为空。</translation>
    </message>
    <message>
        <source> MHz] [FileName:</source>
        <translation> MHz] [文件名:</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>通信端口</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>打开备份(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>另存为(&amp;A)</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>比较(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Import Channels...</source>
        <translation>导入信道(&amp;I)...</translation>
    </message>
    <message>
        <source>E&amp;xport Channels...</source>
        <translation>导出信道(&amp;X)...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>机型(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Model Information</source>
        <translation>机型信息(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Channel Information</source>
        <translation>信道信息(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Function Setup</source>
        <translation>功能设定(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Key Setting</source>
        <translation>键设置(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Scan Information</source>
        <translation>扫描信息(&amp;S)</translation>
    </message>
    <message>
        <source>Embedded &amp;Message</source>
        <translation>嵌入信息(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Local Message</source>
        <translation>本机信息(&amp;L)</translation>
    </message>
    <message>
        <source>Stun/&amp;Die Information</source>
        <translation>遥晕遥毙选项(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Batch ChannelEdit</source>
        <translation>批信道编辑(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Read From Radio</source>
        <translation>从对讲机读出数据(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write To Radio</source>
        <translation>向对讲机写入数据(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>写入后校验(&amp;V)</translation>
    </message>
    <message>
        <source>Write to &amp;Many Radios...</source>
        <translation>批量写入对讲机(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Detect Radio...</source>
        <translation>检测对讲机(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;PassWord</source>
        <translation>密码(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Tool</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Radio Information</source>
        <translation>对讲机信息(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>Set &amp;Com</source>
        <translation>串口设置(&amp;C)</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>语言设置(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Tree &amp;View</source>
        <translation>树视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>层叠(&amp;C)</translation>
    </message>
    <message>
        <source>Close All &amp;Windows</source>
        <translation>关闭所有窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>帮助主题(&amp;H)</translation>
    </message>
    <message>
        <source>Programming &amp;Log...</source>
        <translation>编程日志(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于T40(&amp;A)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读频</translation>
    </message>
    <message>
        <source>Set Com</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写频</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Channel Information</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>Function Setup</source>
        <translation>功能设定</translation>
    </message>
    <message>
        <source>Key Setting</source>
        <translation>键设置</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>Show C&amp;hanges Before Write</source>
        <translation>写入前显示更改(&amp;H)</translation>
    </message>
    <message>
        <source>Check &amp;Cable...</source>
        <translation>检查编程线(&amp;C)...</translation>
    </message>
    <message>
        <source>New From Pre&amp;set...</source>
        <translation>从预设新建(&amp;S)...</translation>
    </message>
    <message>
        <source>Insert Pre&amp;set Channels...</source>
        <translation>插入预设信道(&amp;S)...</translation>
    </message>
</context>
<context>
    <name>t40::MicNoiseReduction</name>
    <message>
        <source>Through</source>
        <translation>直通</translation>
    </message>
    <message>
        <source>Low Noise Reduction</source>
        <translation>降噪低</translation>
    </message>
    <message>
        <source>High Noise Reduction</source>
        <translation>降噪高</translation>
    </message>
</context>
<context>
    <name>t40::OnOff</name>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
</context>
<context>
    <name>t40::PortCatalog</name>
    <message>
        <source>You may not use %1. Add your user to the &quot;dialout&quot; group (sudo adduser $USER dialout, then log in again), or install the udev rule 60-t40-cable.rules that comes with the program and plug the cable in again.</source>
        <translation>无权使用 %1。请把用户加入 &quot;dialout&quot; 组（sudo adduser $USER dialout，然后重新登录），或安装随程序提供的 udev 规则 60-t40-cable.rules 后重新插入数据线。</translation>
    </message>
</context>
<context>
    <name>t40::Power</name>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
</context>
<context>
    <name>t40::PriorityType</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Fixd</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>选定</translation>
    </message>
</context>
<context>
    <name>t40::ProgrammingSession</name>
    <message>
        <source>Complete:</source>
        <translation>完成进度:</translation>
    </message>
</context>
<context>
    <name>t40::Prompts</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Save</source>
        <translation>不保存(&amp;N)</translation>
    </message>
    <message>
        <source>Radio data file(*.rdat)</source>
        <translation>对讲机数据文件(*.rdat)</translation>
    </message>
    <message>
        <source>All file(*.*)</source>
        <translation>所有文件(*.*)</translation>
    </message>
    <message>
        <source>&amp;Detect Radio</source>
        <translation>检测对讲机(&amp;D)</translation>
    </message>
    <message>
        <source>Restore the radio&apos;s previous data</source>
        <translation>恢复对讲机原来的数据</translation>
    </message>
</context>
<context>
    <name>t40::RadioCommands</name>
    <message>
        <source>These channels break the rules of a licence-free service:</source>
        <translation>以下信道违反免执照业务的规则：</translation>
    </message>
    <message>
        <source>Write them as they are?</source>
        <translation>仍按原样写入吗？</translation>
    </message>
</context>
<context>
    <name>t40::ReportText</name>
    <message>
        <source>Channel Information</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>Embedded Message</source>
        <translation>嵌入信息</translation>
    </message>
    <message>
        <source>T40 Radio Configuration</source>
        <translation>T40 对讲机配置</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Function Setup</source>
        <translation>功能设定</translation>
    </message>
    <message>
        <source>Key Setting</source>
        <translation>键设置</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
</context>
<context>
    <name>t40::RevertChannel</name>
    <message>
        <source>Selected</source>
        <translation>选定</translation>
    </message>
    <message>
        <source>Selected+Talk Back</source>
        <translation>选定+当前通话</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先</translation>
    </message>
    <message>
        <source>Priority+Talk Back</source>
        <translation>优先+当前通话</translation>
    </message>
</context>
<context>
    <name>t40::ScanAdd</name>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
</context>
<context>
    <name>t40::SignallingCode</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>t40::Spacing</name>
    <message>
        <source>12.5K(Narrow)</source>
        <translation>12.5K(窄带)</translation>
    </message>
    <message>
        <source>25K(Wide)</source>
        <translation>25K(宽带)</translation>
    </message>
</context>
<context>
    <name>t40::Step</name>
    <message>
        <source>Insert channel</source>
        <translation>插入信道</translation>
    </message>
    <message>
        <source>Delete channel</source>
        <translation>删除信道</translation>
    </message>
    <message>
        <source>Copy channel</source>
        <translation>信道复制</translation>
    </message>
    <message>
        <source>Frequency copy</source>
        <translation>频率复制</translation>
    </message>
    <message>
        <source>QT/DQT copy</source>
        <translation>亚音复制</translation>
    </message>
    <message>
        <source>Batch edit</source>
        <translation>批信道编辑</translation>
    </message>
    <message>
        <source>Read from radio</source>
        <translation>从对讲机读出数据</translation>
    </message>
    <message>
        <source>Change model</source>
        <translation>更改机型</translation>
    </message>
    <message>
        <source>Import channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>编辑信道%1</translation>
    </message>
    <message>
        <source>Edit channels</source>
        <translation>编辑信道</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>修改%1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Move channels</source>
        <translation>移动信道</translation>
    </message>
    <message>
        <source>Sort channels</source>
        <translation>信道排序</translation>
    </message>
    <message>
        <source>Change channels</source>
        <translation>修改信道</translation>
    </message>
    <message>
        <source>Encode as decode</source>
        <translation>编码同解码</translation>
    </message>
    <message>
        <source>Insert preset channels</source>
        <translation>插入预设信道</translation>
    </message>
</context>
<context>
    <name>t40::Value</name>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>invalid (%1)</source>
        <translation>无效 (%1)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>t40::VoicePrompt</name>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
</context>
<context>
    <name>t40::WriteVerify</name>
    <message>
        <source>Verify failed: the radio holds %1 at address %2 where %3 was written.</source>
        <translation>校验失败：对讲机地址 %2 的数据为 %1，写入的是 %3。</translation>
    </message>
</context>
<context>
    <name>t40::frmAbout</name>
    <message>
        <source>About </source>
        <translation>关于 </translation>
    </message>
    <message>
        <source>Version </source>
        <translation>版本 </translation>
    </message>
    <message>
        <source>program software is used for T40</source>
        <translation>编程软件用于 T40机型</translation>
    </message>
    <message>
        <source>Warning: writing data that does not suit the radio can make it unusable. Keep a data file of the radio&apos;s own data before writing.</source>
        <translation>警告：写入不适合本机的数据可能使对讲机无法使用。写频前请先保存对讲机原有数据。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>系统信息(&amp;S)...</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>系统信息</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
</context>
</TS>
