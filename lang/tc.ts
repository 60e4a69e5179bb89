<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AccessDiagnosis</name>
    <message>
        <source>The mouse is plugged in, but %1 cannot be opened: permission denied. The udev rule is missing or not yet applied. Install %2 into /etc/udev/rules.d/ (the package installs it), then replug the receiver or run:
%3</source>
        <translation>滑鼠已連接，但無法開啟 %1：權限遭拒。udev 規則缺失或尚未生效。請將 %2 安裝到 /etc/udev/rules.d/（套件會自動安裝），然後重新插拔接收器或執行：
%3</translation>
    </message>
</context>
<context>
    <name>ConfigSeeding</name>
    <message>
        <source>Could not create %1.</source>
        <translation>無法建立 %1。</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>The name is empty.</source>
        <translation>名稱為空。</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; must not contain / or \.</source>
        <translation>名稱"%1"不能包含 / 或 \。</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; must not contain &quot;..&quot;.</source>
        <translation>名稱"%1"不能包含".."。</translation>
    </message>
    <message>
        <source>The name must not contain control characters.</source>
        <translation>名稱不能包含控制字元。</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; must not contain any of &lt; &gt; : &quot; | ? *</source>
        <translation>名稱"%1"不能包含以下任何字元：&lt; &gt; : " | ? *</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; must not end with a dot or a blank.</source>
        <translation>名稱"%1"不能以句點或空格結尾。</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is reserved by the system.</source>
        <translation>名稱"%1"為系統保留。</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>名稱過長。</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Macro Exist!</source>
        <translation>巨集已存在！</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>巨集數量已達上限，無法建立！</translation>
    </message>
</context>
<context>
    <name>MacroFiles</name>
    <message>
        <source>Could not delete %1.</source>
        <translation>無法刪除 %1。</translation>
    </message>
    <message>
        <source>%1 exists already and was left as it was.</source>
        <translation>%1 已存在，未作變更。</translation>
    </message>
    <message>
        <source>Could not copy %1 to %2.</source>
        <translation>無法將 %1 複製到 %2。</translation>
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
        <translation>接收器已斷開!</translation>
    </message>
    <message>
        <source>Virtual mouse</source>
        <translation>虛擬滑鼠</translation>
    </message>
    <message>
        <source>Receiver plugged in</source>
        <translation>接收器已插入</translation>
    </message>
    <message>
        <source>Cable plugged in</source>
        <translation>線材已連接</translation>
    </message>
    <message>
        <source>Press the DPI button</source>
        <translation>按下 DPI 鍵</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>設定檔已存在！</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>該檔案與目前滑鼠不符！</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>設定檔</translation>
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
        <translation>至少需要保留一個左鍵功能。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
</context>
<context>
    <name>OakMessageBox</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
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
        <translation>設定檔</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>按 Enter 鍵套用</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>設定檔名稱</translation>
    </message>
    <message>
        <source>Stored profiles</source>
        <translation>已存設定檔</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重設</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>載入</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
</context>
<context>
    <name>ProfileFiles</name>
    <message>
        <source>Could not copy %1 to %2.</source>
        <translation>無法將 %1 複製到 %2。</translation>
    </message>
    <message>
        <source>%1 exists already and was left as it was.</source>
        <translation>%1 已存在，未作變更。</translation>
    </message>
    <message>
        <source>Could not rename %1 to %2.</source>
        <translation>無法將 %1 重新命名為 %2。</translation>
    </message>
    <message>
        <source>Could not delete %1.</source>
        <translation>無法刪除 %1。</translation>
    </message>
</context>
<context>
    <name>ProfileSetStore</name>
    <message>
        <source>Profile %1 was not saved: %2</source>
        <translation>設定檔 %1 未儲存：%2</translation>
    </message>
    <message>
        <source>No profile slot %1.</source>
        <translation>沒有設定檔槽位 %1。</translation>
    </message>
    <message>
        <source>The profile file %1 cannot be read.</source>
        <translation>無法讀取設定檔 %1。</translation>
    </message>
</context>
<context>
    <name>SettingsWriter</name>
    <message>
        <source>Could not save %1: its folder cannot be created or written.</source>
        <translation>無法儲存 %1：無法建立或寫入其資料夾。</translation>
    </message>
    <message>
        <source>Could not save %1: the file cannot be written.</source>
        <translation>無法儲存 %1：無法寫入該檔案。</translation>
    </message>
    <message>
        <source>Could not save %1: it is not a regular file.</source>
        <translation>無法儲存 %1：它不是一般檔案。</translation>
    </message>
</context>
<context>
    <name>StatusHeader</name>
    <message>
        <source>Firmware Update</source>
        <translation>韌體更新</translation>
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
        <translation>電量</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>充電中</translation>
    </message>
    <message>
        <source>Receiver connected</source>
        <translation>接收器已連接</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>滑鼠未開啟</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>有線</translation>
    </message>
    <message>
        <source>Receiver, charging</source>
        <translation>無線，充電中</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>無線</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未連接</translation>
    </message>
</context>
<context>
    <name>TabBar</name>
    <message>
        <source>LIGHTING</source>
        <translation>燈光</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>按鍵自訂</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>巨集</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>載入設定(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <source>charging</source>
        <translation>充電中</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>滑鼠未開啟</translation>
    </message>
    <message>
        <source>Battery %1%</source>
        <translation>電量 %1%</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>設定檔</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
</context>
</TS>
