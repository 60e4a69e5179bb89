<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AccessDiagnosis</name>
    <message>
        <source>The mouse is plugged in, but %1 cannot be opened: permission denied. The udev rule is missing or not yet applied. Install %2 into /etc/udev/rules.d/ (the package installs it), then replug the receiver or run:
%3</source>
        <translation>The mouse is plugged in, but %1 cannot be opened: permission denied. The udev rule is missing or not yet applied. Install %2 into /etc/udev/rules.d/ (the package installs it), then replug the receiver or run:
%3</translation>
    </message>
</context>
<context>
    <name>ConfigSeeding</name>
    <message>
        <source>Could not create %1.</source>
        <translation>Could not create %1.</translation>
    </message>
</context>
<context>
    <name>FileCopy</name>
    <message>
        <source>Could not copy %1 to %2.</source>
        <translation>Could not copy %1 to %2.</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>The name is empty.</source>
        <translation>The name is empty.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; must not contain / or \.</source>
        <translation>The name "%1" must not contain / or \.</translation>
    </message>
    <message>
        <source>The name must not contain control characters.</source>
        <translation>The name must not contain control characters.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; must not contain any of &lt; &gt; : &quot; | ? *</source>
        <translation>The name "%1" must not contain any of &lt; &gt; : " | ? *</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; must not end with a dot or a blank.</source>
        <translation>The name "%1" must not end with a dot or a blank.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is reserved by the system.</source>
        <translation>The name "%1" is reserved by the system.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>The name is too long.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; must not be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>The name "%1" must not be "." or "..".</translation>
    </message>
    <message>
        <source>The name must not contain invisible characters.</source>
        <translation>The name must not contain invisible characters.</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>To update the firmware, please connect to the computer with a cable.</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Do you want to upgrade the firmware?</translation>
    </message>
    <message>
        <source>The firmware updater %1 could not be started.</source>
        <translation>The firmware updater %1 could not be started.</translation>
    </message>
</context>
<context>
    <name>KeyDialogFrame</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Macro Exist!</source>
        <translation>Macro Exist!</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TOO MANY MACROS TO BE CREATE!</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEW</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>BATCH</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>GUN SET</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>RECORD AFTER</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>MOVE DOWN</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>TOP</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>BOTTOM</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>EDIT</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>CUT</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>PASTE</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>INSERT DELAY</translation>
    </message>
    <message>
        <source>Delete step</source>
        <translation>Delete step</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>MACRO NAME</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>CHANGE NAME</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>MOUSE ACTION</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>MOUSE COMMAND</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Delay of the step, in milliseconds</source>
        <translation>Delay of the step, in milliseconds</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Distance of the move</source>
        <translation>Distance of the move</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>Keys cannot be captured on this system, so macros cannot be recorded here.</source>
        <translation>Keys cannot be captured on this system, so macros cannot be recorded here.</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</translation>
    </message>
    <message>
        <source>A macro holds at most %1 steps.</source>
        <translation>A macro holds at most %1 steps.</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Macro File(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Load Macro File</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Save Macro File</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>Buttons bound to the macro %1: %2. Delete it and give those buttons their factory function?</source>
        <translation>Buttons bound to the macro %1: %2. Delete it and give those buttons their factory function?</translation>
    </message>
</context>
<context>
    <name>MacroFiles</name>
    <message>
        <source>Could not delete %1.</source>
        <translation>Could not delete %1.</translation>
    </message>
    <message>
        <source>%1 exists already and was left as it was.</source>
        <translation>%1 exists already and was left as it was.</translation>
    </message>
    <message>
        <source>Could not copy %1 to %2.</source>
        <translation>Could not copy %1 to %2.</translation>
    </message>
    <message>
        <source>Could not rename %1.</source>
        <translation>Could not rename %1.</translation>
    </message>
    <message>
        <source>%1 is not a macro file.</source>
        <translation>%1 is not a macro file.</translation>
    </message>
</context>
<context>
    <name>MacroSettingsPanel</name>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>RECORD DELAYS BETWEEN ACTION</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSERT DEFAULT DELAY</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOPS TIME(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT RUN WHEN KEY DOWN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTIL THE KEY DOWN</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>DELAY(ms)</translation>
    </message>
    <message>
        <source>LOOPS</source>
        <translation>LOOPS</translation>
    </message>
    <message>
        <source>Default delay in milliseconds</source>
        <translation>Default delay in milliseconds</translation>
    </message>
</context>
<context>
    <name>MacroStepTable</name>
    <message>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>DELAY(ms)</translation>
    </message>
</context>
<context>
    <name>MacroStepText</name>
    <message>
        <source>Key %1</source>
        <translation>Key %1</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>LEFT CLICK</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MIDDLE CLICK</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RIGHT CLICK</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>FORWARD</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>BACKWARD</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>MOVE LEFT</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>MOVE RIGHT</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>MOVE DOWN</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Press</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
</context>
<context>
    <name>MouseCommandTree</name>
    <message>
        <source>PRESS DOWN</source>
        <translation>PRESS DOWN</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>BOUNCE UP</translation>
    </message>
    <message>
        <source>%1 distance</source>
        <translation>%1 distance</translation>
    </message>
</context>
<context>
    <name>MousePictureView</name>
    <message>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>Wheel up</source>
        <translation>Wheel up</translation>
    </message>
    <message>
        <source>Wheel down</source>
        <translation>Wheel down</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Button %1</translation>
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
        <translation>Warning</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Dongle Disconnect!</translation>
    </message>
    <message>
        <source>Virtual mouse</source>
        <translation>Virtual mouse</translation>
    </message>
    <message>
        <source>Receiver plugged in</source>
        <translation>Receiver plugged in</translation>
    </message>
    <message>
        <source>Cable plugged in</source>
        <translation>Cable plugged in</translation>
    </message>
    <message>
        <source>Press the DPI button</source>
        <translation>Press the DPI button</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Profile Exist!</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>The file is not match current mouse!</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimise</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>OakBtnWindow</name>
    <message>
        <source>Profile Menu</source>
        <translation>Profile Menu</translation>
    </message>
    <message>
        <source>Function %1</source>
        <translation>Function %1</translation>
    </message>
    <message>
        <source>Wheel up</source>
        <translation>Wheel up</translation>
    </message>
    <message>
        <source>Wheel down</source>
        <translation>Wheel down</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Button %1</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Advance</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Polling Rate</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>SINGLE KEY</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>COMBO KEY</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>FIRE KEY</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Button Off</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Switch Window</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>My Computer</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Show Desktop</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>Lock PC</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser Home</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Browser Backward</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser Forward</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Browser Stop</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser Refresh</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Browser Search</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Browser Favorite</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Boss Key</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Next Track</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Media Player</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI Switch</translation>
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
        <translation>Rate Switch</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>Rate +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Rate -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Led Switch</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profile +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profile -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Profile Switch</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Macro Manager</translation>
    </message>
</context>
<context>
    <name>OakColorArea</name>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>White</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>Color Edit</translation>
    </message>
    <message>
        <source>Saturation and value</source>
        <translation>Saturation and value</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
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
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
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
        <translation>Hexadecimal colour</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>APPLY</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Saturation %1, value %2</source>
        <translation>Saturation %1, value %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not six hexadecimal digits; the colour stays #%2.</source>
        <translation>"%1" is not six hexadecimal digits; the colour stays #%2.</translation>
    </message>
</context>
<context>
    <name>OakColorWindow</name>
    <message>
        <source>EFFECT</source>
        <translation>EFFECT</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>BRIGHTNESS</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>SPEED</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>SLEEP TIME</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>MOVE TO LIGHT OFF</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> MINUTE</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>FULL LIGHTED</translation>
    </message>
    <message>
        <source>7 COLOR</source>
        <translation>7 COLOR</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>BREATHING</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>7 COLOR BREATHING</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>RAINBOW</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>WAVE</translation>
    </message>
    <message>
        <source>Single WAVE</source>
        <translation>Single WAVE</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>yo-yo</translation>
    </message>
    <message>
        <source>7 COLOR with tail</source>
        <translation>7 COLOR with tail</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>REACTIVE</translation>
    </message>
    <message>
        <source>Tri-color running</source>
        <translation>Tri-color running</translation>
    </message>
</context>
<context>
    <name>OakComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>Combo Key</translation>
    </message>
    <message>
        <source>Hold the modifiers and press the key.</source>
        <translation>Hold the modifiers and press the key.</translation>
    </message>
    <message>
        <source>Captured combination</source>
        <translation>Captured combination</translation>
    </message>
</context>
<context>
    <name>OakDPIWindow</name>
    <message>
        <source>DPI STAGES</source>
        <translation>DPI STAGES</translation>
    </message>
</context>
<context>
    <name>OakFireKeyWindow</name>
    <message>
        <source>FireKey Setting</source>
        <translation>FireKey Setting</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Keyboard Key</translation>
    </message>
    <message>
        <source>Captured key</source>
        <translation>Captured key</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Times:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Delay:</translation>
    </message>
</context>
<context>
    <name>OakGunsetDialog</name>
    <message>
        <source>Gun Set</source>
        <translation>Gun Set</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>GUNFILE NAME</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>DELAY(MS)</translation>
    </message>
    <message>
        <source>HORIZONTAL</source>
        <translation>HORIZONTAL</translation>
    </message>
    <message>
        <source>VERTICAL</source>
        <translation>VERTICAL</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Shot %1</source>
        <translation>Shot %1</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>BULLETS</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Please input file name.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>OakMacroSelect</name>
    <message>
        <source>MACRO SELECT</source>
        <translation>MACRO SELECT</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>Choose a macro</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOPS TIME(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT RUN WHEN KEY DOWN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTILL THE KEY DOWN</translation>
    </message>
    <message>
        <source>Left Button Macro</source>
        <translation>Left Button Macro</translation>
    </message>
</context>
<context>
    <name>OakMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>OakPointSpeed</name>
    <message>
        <source>No mouse settings of this desktop were found.</source>
        <translation>No mouse settings of this desktop were found.</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>Key Response</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>SCROLL SPEED</translation>
    </message>
    <message>
        <source>Mouse Setting</source>
        <translation>Mouse Setting</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>Enable sync</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>Lift Distance</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>Angle Snapping</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Jitter</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1mm</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2mm</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
</context>
<context>
    <name>OakProcessDialog</name>
    <message>
        <source>Sending to the mouse</source>
        <translation>Sending to the mouse</translation>
    </message>
</context>
<context>
    <name>OakReportRate</name>
    <message>
        <source>REPORT RATE</source>
        <translation>REPORT RATE</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Lift off Distance</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
</context>
<context>
    <name>OakSingleDPI</name>
    <message>
        <source>Stage %1</source>
        <translation>Stage %1</translation>
    </message>
    <message>
        <source>%1: %2 DPI</source>
        <translation>%1: %2 DPI</translation>
    </message>
    <message>
        <source>%1: X %2 DPI, Y %3 DPI</source>
        <translation>%1: X %2 DPI, Y %3 DPI</translation>
    </message>
    <message>
        <source>X: %1 DPI</source>
        <translation>X: %1 DPI</translation>
    </message>
    <message>
        <source>Y: %1 DPI</source>
        <translation>Y: %1 DPI</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>Link XY</translation>
    </message>
    <message>
        <source>Make %1 the active stage</source>
        <translation>Make %1 the active stage</translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>Enable %1</translation>
    </message>
    <message>
        <source>Link XY of %1</source>
        <translation>Link XY of %1</translation>
    </message>
    <message>
        <source>%1 level</source>
        <translation>%1 level</translation>
    </message>
    <message>
        <source>%1 X level</source>
        <translation>%1 X level</translation>
    </message>
    <message>
        <source>%1 Y level</source>
        <translation>%1 Y level</translation>
    </message>
</context>
<context>
    <name>OakSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>Single Key</translation>
    </message>
    <message>
        <source>Press the key for this button.</source>
        <translation>Press the key for this button.</translation>
    </message>
    <message>
        <source>Captured key</source>
        <translation>Captured key</translation>
    </message>
</context>
<context>
    <name>OakSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>Sniper Setting</translation>
    </message>
    <message>
        <source>Sniper DPI</source>
        <translation>Sniper DPI</translation>
    </message>
</context>
<context>
    <name>ProfileBar</name>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Press Enter To Apply</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profile name</translation>
    </message>
    <message>
        <source>Stored profiles</source>
        <translation>Stored profiles</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Reset All</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>LOAD1</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Changes not applied yet</source>
        <translation>Changes not applied yet</translation>
    </message>
</context>
<context>
    <name>ProfileFiles</name>
    <message>
        <source>Could not copy %1 to %2.</source>
        <translation>Could not copy %1 to %2.</translation>
    </message>
    <message>
        <source>%1 exists already and was left as it was.</source>
        <translation>%1 exists already and was left as it was.</translation>
    </message>
    <message>
        <source>Could not rename %1 to %2.</source>
        <translation>Could not rename %1 to %2.</translation>
    </message>
    <message>
        <source>Could not delete %1.</source>
        <translation>Could not delete %1.</translation>
    </message>
    <message>
        <source>no file can have that name.</source>
        <translation>no file can have that name.</translation>
    </message>
</context>
<context>
    <name>ProfileOperations</name>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AT LEAST ONE PROFILE TO BE RETAINED.</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>The default Profile cannot be deleted or renamed.</translation>
    </message>
    <message>
        <source>Every other profile is in use by another slot.</source>
        <translation>Every other profile is in use by another slot.</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Are you sure you want delete this profile?</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Profile is Already Used!</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Are you sure you want reset this profile?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Are you sure you want reset all profiles?</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Load Profile File</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Profile File(*.prof)</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Save Profile File</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Save Config File</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Config File(*.conf)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Load Config File</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Mouse is sleeping or not connected.</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Send data failed, please try again.</translation>
    </message>
    <message>
        <source>The configuration names one profile for several slots: slot %1 now holds &quot;%2&quot;.</source>
        <translation>The configuration names one profile for several slots: slot %1 now holds "%2".</translation>
    </message>
</context>
<context>
    <name>ProfileSetStore</name>
    <message>
        <source>Profile %1 was not saved: %2</source>
        <translation>Profile %1 was not saved: %2</translation>
    </message>
    <message>
        <source>No profile slot %1.</source>
        <translation>No profile slot %1.</translation>
    </message>
    <message>
        <source>The profile file %1 cannot be read.</source>
        <translation>The profile file %1 cannot be read.</translation>
    </message>
</context>
<context>
    <name>ProfileText</name>
    <message>
        <source>it is larger than %1 MB.</source>
        <translation>it is larger than %1 MB.</translation>
    </message>
    <message>
        <source>a line of it is longer than %1 bytes.</source>
        <translation>a line of it is longer than %1 bytes.</translation>
    </message>
    <message>
        <source>a key or section name in it is longer than %1 bytes.</source>
        <translation>a key or section name in it is longer than %1 bytes.</translation>
    </message>
    <message>
        <source>it holds more than %1 keys.</source>
        <translation>it holds more than %1 keys.</translation>
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
        <translation>Could not save %1: its folder cannot be created or written.</translation>
    </message>
    <message>
        <source>Could not save %1: the file cannot be written.</source>
        <translation>Could not save %1: the file cannot be written.</translation>
    </message>
    <message>
        <source>Could not save %1: it is not a regular file.</source>
        <translation>Could not save %1: it is not a regular file.</translation>
    </message>
</context>
<context>
    <name>SlotNames</name>
    <message>
        <source>The profile name is not allowed: %1</source>
        <translation>The profile name is not allowed: %1</translation>
    </message>
</context>
<context>
    <name>StatusHeader</name>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware Update</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Battery</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>Charging</translation>
    </message>
    <message>
        <source>Receiver connected</source>
        <translation>Receiver connected</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>MOUSE OFF</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>Receiver, charging</source>
        <translation>Receiver, charging</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Not connected</translation>
    </message>
</context>
<context>
    <name>TabBar</name>
    <message>
        <source>LIGHTING</source>
        <translation>LIGHTING</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>CUSTOMIZE</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>Changes not applied yet</source>
        <translation>Changes not applied yet</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>it is not a regular file.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB.</source>
        <translation>it is larger than %1 MB.</translation>
    </message>
    <message>
        <source>it cannot be opened.</source>
        <translation>it cannot be opened.</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Load Config</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>charging</source>
        <translation>charging</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>MOUSE OFF</translation>
    </message>
    <message>
        <source>Battery %1%</source>
        <translation>Battery %1%</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
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
        <translation>Some changes have not been applied to the mouse yet.</translation>
    </message>
    <message>
        <source>Apply and quit</source>
        <translation>Apply and quit</translation>
    </message>
    <message>
        <source>Quit without applying</source>
        <translation>Quit without applying</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Stay</translation>
    </message>
</context>
<context>
    <name>WindowPrompts</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
</TS>
