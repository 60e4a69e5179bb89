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
        <source>The name &quot;%1&quot; must not contain &quot;..&quot;.</source>
        <translation>名称"%1"不能包含".."。</translation>
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
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少需要保留一个左键功能。</translation>
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
</TS>
