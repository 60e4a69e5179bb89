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
        <source>The name &quot;%1&quot; must not contain &quot;..&quot;.</source>
        <translation>The name "%1" must not contain "..".</translation>
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
        <translation>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</translation>
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
</TS>
