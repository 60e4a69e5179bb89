<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AccessDiagnosis</name>
    <message>
        <source>The mouse is plugged in, but %1 cannot be opened: permission denied. The udev rule is missing or not yet applied. Install %2 into /etc/udev/rules.d/ (the package installs it), then replug the receiver or run:
%3</source>
        <translation>鼠标已连接，但无法打开 %1：权限被拒绝。udev 规则缺失或尚未生效。请将 %2 安装到 /etc/udev/rules.d/（软件包会自动安装），然后重新插拔接收器或运行：
%3</translation>
    </message>
</context>
<context>
    <name>ConfigSeeding</name>
    <message>
        <source>Could not create %1.</source>
        <translation>无法创建 %1。</translation>
    </message>
</context>
<context>
    <name>FileCopy</name>
    <message>
        <source>Could not copy %1 to %2.</source>
        <translation>无法将 %1 复制到 %2。</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>The name is empty.</source>
        <translation>名称为空。</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; must not contain / or \.</source>
        <translation>名称"%1"不能包含 / 或 \。</translation>
    </message>
    <message>
        <source>The name must not contain control characters.</source>
        <translation>名称不能包含控制字符。</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; must not contain any of &lt; &gt; : &quot; | ? *</source>
        <translation>名称"%1"不能包含以下任何字符：&lt; &gt; : " | ? *</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; must not end with a dot or a blank.</source>
        <translation>名称"%1"不能以句点或空格结尾。</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is reserved by the system.</source>
        <translation>名称"%1"为系统保留。</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>名称过长。</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; must not be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>名称"%1"不能是"."或".."。</translation>
    </message>
    <message>
        <source>The name must not contain invisible characters.</source>
        <translation>名称不能包含不可见字符。</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>更新固件时，请用数据线连接电脑。</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>要升级固件吗？</translation>
    </message>
    <message>
        <source>The firmware updater %1 could not be started.</source>
        <translation>无法启动固件更新程序 %1。</translation>
    </message>
</context>
<context>
    <name>KeyDialogFrame</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Macro Exist!</source>
        <translation>宏已存在！</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>宏数量已达上限，无法创建！</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>宏列表</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>批量</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>压枪设置</translation>
    </message>
    <message>
        <source>START</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>在后录制</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>置顶</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>置底</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>插入延时</translation>
    </message>
    <message>
        <source>Delete step</source>
        <translation>删除步骤</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>步骤</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>宏名称</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>鼠标动作</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>鼠标命令</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Delay of the step, in milliseconds</source>
        <translation>该步骤的延时（毫秒）</translation>
    </message>
    <message>
        <source>px</source>
        <translation>像素</translation>
    </message>
    <message>
        <source>Distance of the move</source>
        <translation>移动距离</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Keys cannot be captured on this system, so macros cannot be recorded here.</source>
        <translation>此系统无法捕获按键，因此无法在此录制宏。</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有一个或多个按键未释放。</translation>
    </message>
    <message>
        <source>A macro holds at most %1 steps.</source>
        <translation>一个宏最多包含 %1 个步骤。</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>宏文件(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>加载宏文件</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>保存宏文件</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Buttons bound to the macro %1: %2. Delete it and give those buttons their factory function?</source>
        <translation>绑定宏 %1 的按键：%2 个。删除该宏并将这些按键恢复为出厂功能吗？</translation>
    </message>
</context>
<context>
    <name>MacroFiles</name>
    <message>
        <source>Could not delete %1.</source>
        <translation>无法删除 %1。</translation>
    </message>
    <message>
        <source>%1 exists already and was left as it was.</source>
        <translation>%1 已存在，未作更改。</translation>
    </message>
    <message>
        <source>Could not copy %1 to %2.</source>
        <translation>无法将 %1 复制到 %2。</translation>
    </message>
    <message>
        <source>Could not rename %1.</source>
        <translation>无法重命名 %1。</translation>
    </message>
    <message>
        <source>%1 is not a macro file.</source>
        <translation>%1 不是宏文件。</translation>
    </message>
</context>
<context>
    <name>MacroSettingsPanel</name>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>录制动作间延时</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>插入默认延时</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循环次数(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按键时重复运行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重复运行直到再次按键</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>延时(毫秒)</translation>
    </message>
    <message>
        <source>LOOPS</source>
        <translation>次数</translation>
    </message>
    <message>
        <source>Default delay in milliseconds</source>
        <translation>默认延时（毫秒）</translation>
    </message>
</context>
<context>
    <name>MacroStepTable</name>
    <message>
        <source>ACTION</source>
        <translation>动作</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>延时(毫秒)</translation>
    </message>
</context>
<context>
    <name>MacroStepText</name>
    <message>
        <source>Key %1</source>
        <translation>按键 %1</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>左移</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>右移</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>松开</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 毫秒</translation>
    </message>
</context>
<context>
    <name>MouseCommandTree</name>
    <message>
        <source>PRESS DOWN</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>弹起</translation>
    </message>
    <message>
        <source>%1 distance</source>
        <translation>%1 距离</translation>
    </message>
</context>
<context>
    <name>MousePictureView</name>
    <message>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>侧面</translation>
    </message>
    <message>
        <source>Wheel up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Wheel down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>按键 %1</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>MousecfgWidget</source>
        <translation>MousecfgWidget</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>接收器已断开!</translation>
    </message>
    <message>
        <source>Virtual mouse</source>
        <translation>虚拟鼠标</translation>
    </message>
    <message>
        <source>Receiver plugged in</source>
        <translation>接收器已插入</translation>
    </message>
    <message>
        <source>Cable plugged in</source>
        <translation>线缆已连接</translation>
    </message>
    <message>
        <source>Press the DPI button</source>
        <translation>按下 DPI 键</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>配置文件已存在！</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>该文件与当前鼠标不匹配！</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
</context>
<context>
    <name>OakBtnWindow</name>
    <message>
        <source>Profile Menu</source>
        <translation>配置菜单</translation>
    </message>
    <message>
        <source>Function %1</source>
        <translation>功能 %1</translation>
    </message>
    <message>
        <source>Wheel up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Wheel down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>按键 %1</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少需要保留一个左键功能。</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>连发键</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>禁用按键</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>切换窗口</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>锁定电脑</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>浏览器主页</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>浏览器后退</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>浏览器前进</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>浏览器停止</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>浏览器刷新</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>浏览器搜索</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>浏览器收藏夹</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>老板键</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量加</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量减</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>媒体播放器</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI 切换</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>回报率切换</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>回报率 +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>回报率 -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>向上滚动</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>向下滚动</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>灯光开关</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>狙击</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>配置 +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>配置 -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>配置切换</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>宏管理</translation>
    </message>
</context>
<context>
    <name>OakColorArea</name>
    <message>
        <source>Red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>品红</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>颜色编辑</translation>
    </message>
    <message>
        <source>Saturation and value</source>
        <translation>饱和度与明度</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>明度</translation>
    </message>
    <message>
        <source>R </source>
        <translation>R </translation>
    </message>
    <message>
        <source>G </source>
        <translation>G </translation>
    </message>
    <message>
        <source>B </source>
        <translation>B </translation>
    </message>
    <message>
        <source>Hexadecimal colour</source>
        <translation>十六进制颜色</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Saturation %1, value %2</source>
        <translation>饱和度 %1，明度 %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not six hexadecimal digits; the colour stays #%2.</source>
        <translation>“%1”不是六位十六进制数字；颜色保持为 #%2。</translation>
    </message>
</context>
<context>
    <name>OakColorWindow</name>
    <message>
        <source>EFFECT</source>
        <translation>灯效</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>休眠时间</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>移动时熄灯</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>常亮</translation>
    </message>
    <message>
        <source>7 COLOR</source>
        <translation>七彩</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>七彩呼吸</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>Single WAVE</source>
        <translation>单色波浪</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>往返</translation>
    </message>
    <message>
        <source>7 COLOR with tail</source>
        <translation>七彩拖尾</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>触发</translation>
    </message>
    <message>
        <source>Tri-color running</source>
        <translation>三色流动</translation>
    </message>
</context>
<context>
    <name>OakComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Hold the modifiers and press the key.</source>
        <translation>按住修饰键，再按下按键。</translation>
    </message>
    <message>
        <source>Captured combination</source>
        <translation>捕获的组合键</translation>
    </message>
</context>
<context>
    <name>OakDPIWindow</name>
    <message>
        <source>DPI STAGES</source>
        <translation>DPI 档位</translation>
    </message>
</context>
<context>
    <name>OakFireKeyWindow</name>
    <message>
        <source>FireKey Setting</source>
        <translation>连发键设置</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>键盘按键</translation>
    </message>
    <message>
        <source>Captured key</source>
        <translation>捕获的按键</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>次数：</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>延时：</translation>
    </message>
</context>
<context>
    <name>OakGunsetDialog</name>
    <message>
        <source>Gun Set</source>
        <translation>压枪设置</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>压枪文件名</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>延时(毫秒)</translation>
    </message>
    <message>
        <source>HORIZONTAL</source>
        <translation>水平</translation>
    </message>
    <message>
        <source>VERTICAL</source>
        <translation>垂直</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Shot %1</source>
        <translation>第 %1 发</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>子弹数</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>请输入文件名。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>OakMacroSelect</name>
    <message>
        <source>MACRO SELECT</source>
        <translation>选择宏</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>选择一个宏</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>宏列表</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循环次数(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按键时重复运行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>重复运行直到再次按下按键</translation>
    </message>
    <message>
        <source>Left Button Macro</source>
        <translation>左键宏</translation>
    </message>
</context>
<context>
    <name>OakMessageBox</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>OakPointSpeed</name>
    <message>
        <source>No mouse settings of this desktop were found.</source>
        <translation>未找到此桌面环境的鼠标设置。</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>按键响应</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>滚轮速度</translation>
    </message>
    <message>
        <source>Mouse Setting</source>
        <translation>鼠标设置</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>启用同步</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>静默高度</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>直线修正</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>防抖动</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1毫米</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2毫米</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>OakProcessDialog</name>
    <message>
        <source>Sending to the mouse</source>
        <translation>正在发送到鼠标</translation>
    </message>
</context>
<context>
    <name>OakReportRate</name>
    <message>
        <source>REPORT RATE</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>静默高度</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 毫米</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 毫米</translation>
    </message>
</context>
<context>
    <name>OakSingleDPI</name>
    <message>
        <source>Stage %1</source>
        <translation>档位 %1</translation>
    </message>
    <message>
        <source>%1: %2 DPI</source>
        <translation>%1：%2 DPI</translation>
    </message>
    <message>
        <source>%1: X %2 DPI, Y %3 DPI</source>
        <translation>%1：X %2 DPI，Y %3 DPI</translation>
    </message>
    <message>
        <source>X: %1 DPI</source>
        <translation>X：%1 DPI</translation>
    </message>
    <message>
        <source>Y: %1 DPI</source>
        <translation>Y：%1 DPI</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>XY 联动</translation>
    </message>
    <message>
        <source>Make %1 the active stage</source>
        <translation>将%1设为当前档位</translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>启用%1</translation>
    </message>
    <message>
        <source>Link XY of %1</source>
        <translation>%1 的 XY 联动</translation>
    </message>
    <message>
        <source>%1 level</source>
        <translation>%1 档位</translation>
    </message>
    <message>
        <source>%1 X level</source>
        <translation>%1 X 轴档位</translation>
    </message>
    <message>
        <source>%1 Y level</source>
        <translation>%1 Y 轴档位</translation>
    </message>
</context>
<context>
    <name>OakSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>Press the key for this button.</source>
        <translation>请按下此按键要发送的键。</translation>
    </message>
    <message>
        <source>Captured key</source>
        <translation>捕获的按键</translation>
    </message>
</context>
<context>
    <name>OakSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>狙击设置</translation>
    </message>
    <message>
        <source>Sniper DPI</source>
        <translation>狙击 DPI</translation>
    </message>
</context>
<context>
    <name>ProfileBar</name>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>按回车键应用</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>配置名称</translation>
    </message>
    <message>
        <source>Stored profiles</source>
        <translation>已存配置</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重置</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>载入</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
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
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Changes not applied yet</source>
        <translation>有尚未应用的更改</translation>
    </message>
</context>
<context>
    <name>ProfileFiles</name>
    <message>
        <source>Could not copy %1 to %2.</source>
        <translation>无法将 %1 复制到 %2。</translation>
    </message>
    <message>
        <source>%1 exists already and was left as it was.</source>
        <translation>%1 已存在，未作更改。</translation>
    </message>
    <message>
        <source>Could not rename %1 to %2.</source>
        <translation>无法将 %1 重命名为 %2。</translation>
    </message>
    <message>
        <source>Could not delete %1.</source>
        <translation>无法删除 %1。</translation>
    </message>
    <message>
        <source>no file can have that name.</source>
        <translation>没有文件可以使用这个名称。</translation>
    </message>
</context>
<context>
    <name>ProfileOperations</name>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少保留一个配置文件。</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>默认配置文件不能删除或重命名。</translation>
    </message>
    <message>
        <source>Every other profile is in use by another slot.</source>
        <translation>其他所有配置文件都已被其他槽位使用。</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>确定要删除此配置文件吗？</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>配置文件已被使用！</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>确定要重置此配置文件吗？</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>确定要重置所有配置文件吗？</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>载入配置文件</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>配置文件(*.prof)</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>保存配置</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>配置(*.conf)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>载入配置</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>鼠标处于休眠状态或未连接。</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>发送数据失败，请重试。</translation>
    </message>
    <message>
        <source>The configuration names one profile for several slots: slot %1 now holds &quot;%2&quot;.</source>
        <translation>该配置文件把同一个配置用于多个槽位：槽位 %1 现在使用“%2”。</translation>
    </message>
</context>
<context>
    <name>ProfileSetStore</name>
    <message>
        <source>Profile %1 was not saved: %2</source>
        <translation>配置文件 %1 未保存：%2</translation>
    </message>
    <message>
        <source>No profile slot %1.</source>
        <translation>没有配置槽 %1。</translation>
    </message>
    <message>
        <source>The profile file %1 cannot be read.</source>
        <translation>无法读取配置文件 %1。</translation>
    </message>
</context>
<context>
    <name>ProfileText</name>
    <message>
        <source>it is larger than %1 MB.</source>
        <translation>它大于 %1 MB。</translation>
    </message>
    <message>
        <source>a line of it is longer than %1 bytes.</source>
        <translation>其中一行超过 %1 字节。</translation>
    </message>
    <message>
        <source>a key or section name in it is longer than %1 bytes.</source>
        <translation>其中的键名或节名超过 %1 字节。</translation>
    </message>
    <message>
        <source>it holds more than %1 keys.</source>
        <translation>它包含的键超过 %1 个。</translation>
    </message>
</context>
<context>
    <name>ReportRate</name>
    <message>
        <source>%1 HZ</source>
        <translation>%1 HZ</translation>
    </message>
</context>
<context>
    <name>SettingsWriter</name>
    <message>
        <source>Could not save %1: its folder cannot be created or written.</source>
        <translation>无法保存 %1：无法创建或写入其文件夹。</translation>
    </message>
    <message>
        <source>Could not save %1: the file cannot be written.</source>
        <translation>无法保存 %1：无法写入该文件。</translation>
    </message>
    <message>
        <source>Could not save %1: it is not a regular file.</source>
        <translation>无法保存 %1：它不是普通文件。</translation>
    </message>
</context>
<context>
    <name>SlotNames</name>
    <message>
        <source>The profile name is not allowed: %1</source>
        <translation>不允许使用此配置名称：%1</translation>
    </message>
</context>
<context>
    <name>StatusHeader</name>
    <message>
        <source>Firmware Update</source>
        <translation>固件更新</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>电量</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>充电中</translation>
    </message>
    <message>
        <source>Receiver connected</source>
        <translation>接收器已连接</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>鼠标未开启</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>有线</translation>
    </message>
    <message>
        <source>Receiver, charging</source>
        <translation>无线，充电中</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>无线</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
</context>
<context>
    <name>TabBar</name>
    <message>
        <source>LIGHTING</source>
        <translation>灯光</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>按键自定义</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Changes not applied yet</source>
        <translation>有尚未应用的更改</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>无法读取文件 %1：%2</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>它不是普通文件。</translation>
    </message>
    <message>
        <source>it is larger than %1 MB.</source>
        <translation>它大于 %1 MB。</translation>
    </message>
    <message>
        <source>it cannot be opened.</source>
        <translation>无法打开它。</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>加载配置(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>charging</source>
        <translation>充电中</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>鼠标未开启</translation>
    </message>
    <message>
        <source>Battery %1%</source>
        <translation>电量 %1%</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
</context>
<context>
    <name>UnsavedChanges</name>
    <message>
        <source>Some changes have not been applied to the mouse yet.</source>
        <translation>部分更改尚未应用到鼠标。</translation>
    </message>
    <message>
        <source>Apply and quit</source>
        <translation>应用并退出</translation>
    </message>
    <message>
        <source>Quit without applying</source>
        <translation>不应用直接退出</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>留下</translation>
    </message>
</context>
<context>
    <name>WindowPrompts</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
</TS>
