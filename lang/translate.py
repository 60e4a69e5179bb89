#!/usr/bin/env python3
"""Fills the Chinese translations of lang/*.ts from the table below.

Run after `lupdate -no-obsolete -locations none src -ts lang/en.ts lang/sc.ts lang/tc.ts`:
every source text found in the table gets its translation; English keeps the
source text. Texts missing from the table stay unfinished and show in English.
"""
import html
import re
import sys
from pathlib import Path

TABLE = {
    "MousecfgWidget": ("MousecfgWidget", "MousecfgWidget"),
    "&Load Config": ("加载配置(&L)", "載入設定(&L)"),
    "&Quit": ("退出(&Q)", "結束(&Q)"),
    "Warning": ("警告", "警告"),
    "Dongle Disconnect!": ("接收器已断开!", "接收器已斷開!"),
    "OK": ("确定", "確定"),
    "Cancel": ("取消", "取消"),
    "Virtual mouse": ("虚拟鼠标", "虛擬滑鼠"),
    "Receiver plugged in": ("接收器已插入", "接收器已插入"),
    "Cable plugged in": ("线缆已连接", "線材已連接"),
    "Press the DPI button": ("按下 DPI 键", "按下 DPI 鍵"),
    "The name is empty.": ("名称为空。", "名稱為空。"),
    'The name "%1" must not contain / or \\.': ('名称"%1"不能包含 / 或 \\。', '名稱"%1"不能包含 / 或 \\。'),
    'The name "%1" must not contain "..".': ('名称"%1"不能包含".."。', '名稱"%1"不能包含".."。'),
    "The name must not contain control characters.": ("名称不能包含控制字符。", "名稱不能包含控制字元。"),
    'The name "%1" must not contain any of < > : " | ? *': (
        '名称"%1"不能包含以下任何字符：< > : " | ? *', '名稱"%1"不能包含以下任何字元：< > : " | ? *'),
    'The name "%1" must not end with a dot or a blank.': ('名称"%1"不能以句点或空格结尾。', '名稱"%1"不能以句點或空格結尾。'),
    'The name "%1" is reserved by the system.': ('名称"%1"为系统保留。', '名稱"%1"為系統保留。'),
    "The name is too long.": ("名称过长。", "名稱過長。"),
    "Macro Exist!": ("宏已存在！", "巨集已存在！"),
    "TOO MANY MACROS TO BE CREATE!": ("宏数量已达上限，无法创建！", "巨集數量已達上限，無法建立！"),
    "Could not delete %1.": ("无法删除 %1。", "無法刪除 %1。"),
    "%1 exists already and was left as it was.": ("%1 已存在，未作更改。", "%1 已存在，未作變更。"),
    "Could not copy %1 to %2.": ("无法将 %1 复制到 %2。", "無法將 %1 複製到 %2。"),
    "Could not rename %1 to %2.": ("无法将 %1 重命名为 %2。", "無法將 %1 重新命名為 %2。"),
    "Profile Exist!": ("配置文件已存在！", "設定檔已存在！"),
    "The file is not match current mouse!": ("该文件与当前鼠标不匹配！", "該檔案與目前滑鼠不符！"),
    "Profile %1 was not saved: %2": ("配置文件 %1 未保存：%2", "設定檔 %1 未儲存：%2"),
    "No profile slot %1.": ("没有配置槽 %1。", "沒有設定檔槽位 %1。"),
    "Could not save %1: its folder cannot be created or written.": (
        "无法保存 %1：无法创建或写入其文件夹。", "無法儲存 %1：無法建立或寫入其資料夾。"),
    "Could not save %1: the file cannot be written.": ("无法保存 %1：无法写入该文件。", "無法儲存 %1：無法寫入該檔案。"),
    "Could not create %1.": ("无法创建 %1。", "無法建立 %1。"),
    "The mouse is plugged in, but %1 cannot be opened: permission denied. The udev rule is missing or not yet applied. Install %2 into /etc/udev/rules.d/ (the package installs it), then replug the receiver or run:\n%3": (
        "鼠标已连接，但无法打开 %1：权限被拒绝。udev 规则缺失或尚未生效。请将 %2 安装到 /etc/udev/rules.d/（软件包会自动安装），然后重新插拔接收器或运行：\n%3",
        "滑鼠已連接，但無法開啟 %1：權限遭拒。udev 規則缺失或尚未生效。請將 %2 安裝到 /etc/udev/rules.d/（套件會自動安裝），然後重新插拔接收器或執行：\n%3"),
}

MESSAGE = re.compile(r"(<source>(.*?)</source>\s*)<translation[^>]*?(?:/>|>.*?</translation>)", re.S)


def fill(path: Path, column: int) -> list:
    missing = []

    def replace(match):
        source = html.unescape(match.group(2))
        if column < 0:
            text = source
        elif source in TABLE:
            text = TABLE[source][column]
        else:
            missing.append(source)
            return match.group(1) + '<translation type="unfinished"></translation>'
        return match.group(1) + "<translation>" + html.escape(text, quote=False) + "</translation>"

    path.write_text(MESSAGE.sub(replace, path.read_text(encoding="utf-8")), encoding="utf-8")
    return missing


def main() -> int:
    here = Path(__file__).resolve().parent
    fill(here / "en.ts", -1)
    missing = fill(here / "sc.ts", 0) + fill(here / "tc.ts", 1)
    for text in sorted(set(missing)):
        print("untranslated:", text, file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
