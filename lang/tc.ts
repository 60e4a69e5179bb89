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
    <name>FileCopy</name>
    <message>
        <source>Could not copy %1 to %2.</source>
        <translation>無法將 %1 複製到 %2。</translation>
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
    <message>
        <source>The name &quot;%1&quot; must not be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>名稱"%1"不能是"."或".."。</translation>
    </message>
    <message>
        <source>The name must not contain invisible characters.</source>
        <translation>名稱不能包含不可見字元。</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>更新韌體時，請用傳輸線連接電腦。</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>要升級韌體嗎？</translation>
    </message>
    <message>
        <source>The firmware updater %1 could not be started.</source>
        <translation>無法啟動韌體更新程式 %1。</translation>
    </message>
</context>
<context>
    <name>KeyDialogFrame</name>
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
    <name>MacroDialog</name>
    <message>
        <source>Macro Exist!</source>
        <translation>巨集已存在！</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>巨集數量已達上限，無法建立！</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>巨集列表</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>批次</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>壓槍設定</translation>
    </message>
    <message>
        <source>START</source>
        <translation>開始錄製</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止錄製</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>在後錄製</translation>
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
        <translation>置頂</translation>
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
        <translation>編輯</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>插入延遲</translation>
    </message>
    <message>
        <source>Delete step</source>
        <translation>刪除步驟</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>步驟</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>巨集名稱</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>滑鼠動作</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>滑鼠命令</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Delay of the step, in milliseconds</source>
        <translation>該步驟的延遲（毫秒）</translation>
    </message>
    <message>
        <source>px</source>
        <translation>像素</translation>
    </message>
    <message>
        <source>Distance of the move</source>
        <translation>移動距離</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Keys cannot be captured on this system, so macros cannot be recorded here.</source>
        <translation>此系統無法擷取按鍵，因此無法在此錄製巨集。</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有一個或多個按鍵未放開。</translation>
    </message>
    <message>
        <source>A macro holds at most %1 steps.</source>
        <translation>一個巨集最多包含 %1 個步驟。</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>巨集檔案(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>載入巨集檔案</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>儲存巨集檔案</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Buttons bound to the macro %1: %2. Delete it and give those buttons their factory function?</source>
        <translation>綁定巨集 %1 的按鍵：%2 個。刪除該巨集並將這些按鍵恢復為原廠功能嗎？</translation>
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
    <message>
        <source>Could not rename %1.</source>
        <translation>無法重新命名 %1。</translation>
    </message>
    <message>
        <source>%1 is not a macro file.</source>
        <translation>%1 不是巨集檔案。</translation>
    </message>
</context>
<context>
    <name>MacroSettingsPanel</name>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>錄製動作間延遲</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>插入預設延遲</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循環次數(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按鍵時重複執行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重複執行直到再次按鍵</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>延遲(毫秒)</translation>
    </message>
    <message>
        <source>LOOPS</source>
        <translation>次數</translation>
    </message>
    <message>
        <source>Default delay in milliseconds</source>
        <translation>預設延遲（毫秒）</translation>
    </message>
</context>
<context>
    <name>MacroStepTable</name>
    <message>
        <source>ACTION</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>延遲(毫秒)</translation>
    </message>
</context>
<context>
    <name>MacroStepText</name>
    <message>
        <source>Key %1</source>
        <translation>按鍵 %1</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>前進</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>後退</translation>
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
        <translation>放開</translation>
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
        <translation>彈起</translation>
    </message>
    <message>
        <source>%1 distance</source>
        <translation>%1 距離</translation>
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
        <translation>側面</translation>
    </message>
    <message>
        <source>Wheel up</source>
        <translation>滾輪向上</translation>
    </message>
    <message>
        <source>Wheel down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>按鍵 %1</translation>
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
    <name>OakBtnWindow</name>
    <message>
        <source>Profile Menu</source>
        <translation>設定檔選單</translation>
    </message>
    <message>
        <source>Function %1</source>
        <translation>功能 %1</translation>
    </message>
    <message>
        <source>Wheel up</source>
        <translation>滾輪向上</translation>
    </message>
    <message>
        <source>Wheel down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>按鍵 %1</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少需要保留一個左鍵功能。</translation>
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
        <translation>進階</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>回報率</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前進</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>後退</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>單鍵</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>連發鍵</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>停用按鍵</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>切換視窗</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>執行</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>鎖定電腦</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>瀏覽器首頁</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>瀏覽器後退</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>瀏覽器前進</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>瀏覽器停止</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>瀏覽器重新整理</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>瀏覽器搜尋</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>瀏覽器我的最愛</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>郵件</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>老闆鍵</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量加</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量減</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>媒體播放器</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI 切換</translation>
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
        <translation>回報率切換</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>回報率 +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>回報率 -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>向上捲動</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>向下捲動</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>燈光開關</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>狙擊</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>設定檔 +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>設定檔 -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>設定檔切換</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>巨集管理</translation>
    </message>
</context>
<context>
    <name>OakColorArea</name>
    <message>
        <source>Red</source>
        <translation>紅</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>綠</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黃</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>洋紅</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>顏色編輯</translation>
    </message>
    <message>
        <source>Saturation and value</source>
        <translation>飽和度與明度</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>預覽</translation>
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
        <translation>飽和度</translation>
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
        <translation>十六進位顏色</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Saturation %1, value %2</source>
        <translation>飽和度 %1，明度 %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not six hexadecimal digits; the colour stays #%2.</source>
        <translation>「%1」不是六位十六進位數字；顏色維持為 #%2。</translation>
    </message>
</context>
<context>
    <name>OakColorWindow</name>
    <message>
        <source>EFFECT</source>
        <translation>燈效</translation>
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
        <translation>顏色</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>休眠時間</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>移動時熄燈</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> 分鐘</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>關閉</translation>
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
        <translation>單色波浪</translation>
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
        <translation>觸發</translation>
    </message>
    <message>
        <source>Tri-color running</source>
        <translation>三色流動</translation>
    </message>
</context>
<context>
    <name>OakComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Hold the modifiers and press the key.</source>
        <translation>按住修飾鍵，再按下按鍵。</translation>
    </message>
    <message>
        <source>Captured combination</source>
        <translation>擷取的組合鍵</translation>
    </message>
</context>
<context>
    <name>OakDPIWindow</name>
    <message>
        <source>DPI STAGES</source>
        <translation>DPI 檔位</translation>
    </message>
</context>
<context>
    <name>OakFireKeyWindow</name>
    <message>
        <source>FireKey Setting</source>
        <translation>連發鍵設定</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>鍵盤按鍵</translation>
    </message>
    <message>
        <source>Captured key</source>
        <translation>擷取的按鍵</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>次數：</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>延遲：</translation>
    </message>
</context>
<context>
    <name>OakGunsetDialog</name>
    <message>
        <source>Gun Set</source>
        <translation>壓槍設定</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>壓槍檔案名稱</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>延遲(毫秒)</translation>
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
        <translation>第 %1 發</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>子彈數</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>請輸入檔案名稱。</translation>
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
        <translation>選擇巨集</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>巨集</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>選擇一個巨集</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>巨集列表</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循環次數(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按鍵時重複執行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>重複執行直到再次按下按鍵</translation>
    </message>
    <message>
        <source>Left Button Macro</source>
        <translation>左鍵巨集</translation>
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
    <name>OakPointSpeed</name>
    <message>
        <source>No mouse settings of this desktop were found.</source>
        <translation>找不到此桌面環境的滑鼠設定。</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>按鍵響應</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>滾輪速度</translation>
    </message>
    <message>
        <source>Mouse Setting</source>
        <translation>滑鼠設定</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>啟用同步</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>靜默高度</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>直線修正</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>防抖動</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1公釐</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>開</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2公釐</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>OakProcessDialog</name>
    <message>
        <source>Sending to the mouse</source>
        <translation>正在傳送到滑鼠</translation>
    </message>
</context>
<context>
    <name>OakReportRate</name>
    <message>
        <source>REPORT RATE</source>
        <translation>回報率</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>靜默高度</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 公釐</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 公釐</translation>
    </message>
</context>
<context>
    <name>OakSingleDPI</name>
    <message>
        <source>Stage %1</source>
        <translation>檔位 %1</translation>
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
        <translation>XY 連動</translation>
    </message>
    <message>
        <source>Make %1 the active stage</source>
        <translation>將%1設為目前檔位</translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>啟用%1</translation>
    </message>
    <message>
        <source>Link XY of %1</source>
        <translation>%1 的 XY 連動</translation>
    </message>
    <message>
        <source>%1 level</source>
        <translation>%1 檔位</translation>
    </message>
    <message>
        <source>%1 X level</source>
        <translation>%1 X 軸檔位</translation>
    </message>
    <message>
        <source>%1 Y level</source>
        <translation>%1 Y 軸檔位</translation>
    </message>
</context>
<context>
    <name>OakSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>單鍵</translation>
    </message>
    <message>
        <source>Press the key for this button.</source>
        <translation>請按下此按鍵要送出的鍵。</translation>
    </message>
    <message>
        <source>Captured key</source>
        <translation>擷取的按鍵</translation>
    </message>
</context>
<context>
    <name>OakSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>狙擊設定</translation>
    </message>
    <message>
        <source>Sniper DPI</source>
        <translation>狙擊 DPI</translation>
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
    <message>
        <source>Changes not applied yet</source>
        <translation>有尚未套用的變更</translation>
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
    <message>
        <source>no file can have that name.</source>
        <translation>沒有檔案可以使用這個名稱。</translation>
    </message>
</context>
<context>
    <name>ProfileOperations</name>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少保留一個設定檔。</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>預設設定檔不能刪除或重新命名。</translation>
    </message>
    <message>
        <source>Every other profile is in use by another slot.</source>
        <translation>其他所有設定檔都已被其他槽位使用。</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>確定要刪除此設定檔嗎？</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>設定檔已被使用！</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>確定要重設此設定檔嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>確定要重設所有設定檔嗎？</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>載入設定檔</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>設定檔(*.prof)</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>儲存設定檔</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>儲存設定</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>設定(*.conf)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>載入設定</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>滑鼠處於休眠狀態或未連接。</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>傳送資料失敗，請重試。</translation>
    </message>
    <message>
        <source>The configuration names one profile for several slots: slot %1 now holds &quot;%2&quot;.</source>
        <translation>該設定檔把同一個設定檔用於多個欄位：欄位 %1 現在使用「%2」。</translation>
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
    <name>ProfileText</name>
    <message>
        <source>it is larger than %1 MB.</source>
        <translation>它大於 %1 MB。</translation>
    </message>
    <message>
        <source>a line of it is longer than %1 bytes.</source>
        <translation>其中一行超過 %1 位元組。</translation>
    </message>
    <message>
        <source>a key or section name in it is longer than %1 bytes.</source>
        <translation>其中的鍵名或節名超過 %1 位元組。</translation>
    </message>
    <message>
        <source>it holds more than %1 keys.</source>
        <translation>它包含的鍵超過 %1 個。</translation>
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
    <name>SlotNames</name>
    <message>
        <source>The profile name is not allowed: %1</source>
        <translation>不允許使用此設定檔名稱：%1</translation>
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
    <message>
        <source>Changes not applied yet</source>
        <translation>有尚未套用的變更</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>無法讀取檔案 %1：%2</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>它不是一般檔案。</translation>
    </message>
    <message>
        <source>it is larger than %1 MB.</source>
        <translation>它大於 %1 MB。</translation>
    </message>
    <message>
        <source>it cannot be opened.</source>
        <translation>無法開啟它。</translation>
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
<context>
    <name>UnsavedChanges</name>
    <message>
        <source>Some changes have not been applied to the mouse yet.</source>
        <translation>部分變更尚未套用到滑鼠。</translation>
    </message>
    <message>
        <source>Apply and quit</source>
        <translation>套用並結束</translation>
    </message>
    <message>
        <source>Quit without applying</source>
        <translation>不套用直接結束</translation>
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
