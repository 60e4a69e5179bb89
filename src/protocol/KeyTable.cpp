// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/KeyTable.h"

#include <iterator>

namespace {

struct KeyEntry
{
    quint8 code;
    const char* english;
    const char* french; // nullptr: the French keyboard shows the English label
    quint8 usage;       // 0: the key has no keyboard usage
};

// Sorted by key code. Names are UTF-8.
const KeyEntry kKeys[] = {
    {1, "Esc", "Echap", 0x29},
    {2, "1", "&", 0x1E},
    {3, "2", "\xC3\xA9", 0x1F},
    {4, "3", "\"", 0x20},
    {5, "4", "'", 0x21},
    {6, "5", "(", 0x22},
    {7, "6", "-", 0x23},
    {8, "7", "\xC3\xA8", 0x24},
    {9, "8", "_", 0x25},
    {10, "9", "\xC3\xA7", 0x26},
    {11, "0", "\xC3\xA0", 0x27},
    {12, "-", ")", 0x2D},
    {13, "=", nullptr, 0x2E},
    {14, "Backspace", "Ret.arr", 0x2A},
    {15, "Tab", nullptr, 0x2B},
    {16, "Q", "a", 0x14},
    {17, "W", "z", 0x1A},
    {18, "E", "e", 0x08},
    {19, "R", "r", 0x15},
    {20, "T", "t", 0x17},
    {21, "Y", "y", 0x1C},
    {22, "U", "u", 0x18},
    {23, "I", "i", 0x0C},
    {24, "O", "o", 0x12},
    {25, "P", "p", 0x13},
    {26, "[", "^", 0x2F},
    {27, "]", "$", 0x30},
    {28, "Enter", "Entree", 0x28},
    {29, "LCtr", "LCtrl", 0xE0},
    {30, "A", "q", 0x04},
    {31, "S", "s", 0x16},
    {32, "D", "d", 0x07},
    {33, "F", "f", 0x09},
    {34, "G", "g", 0x0A},
    {35, "H", "h", 0x0B},
    {36, "J", "j", 0x0D},
    {37, "K", "k", 0x0E},
    {38, "L", "l", 0x0F},
    {39, ";", "m", 0x33},
    {40, "'", "\xC3\xB9", 0x34},
    {41, "`", "\xC2\xB2", 0x35},
    {42, "LShift", nullptr, 0xE1},
    {43, "\\", "*", 0x31},
    {44, "Z", "w", 0x1D},
    {45, "X", "x", 0x1B},
    {46, "C", "c", 0x06},
    {47, "V", "v", 0x19},
    {48, "B", "b", 0x05},
    {49, "N", "n", 0x11},
    {50, "M", ",", 0x10},
    {51, ",", ";", 0x36},
    {52, ".", ":", 0x37},
    {53, "/", "!", 0x38},
    {54, "RShift", nullptr, 0xE5},
    {55, "Print Screen", nullptr, 0x46},
    {56, "LAlt", nullptr, 0xE2},
    {57, "Space", "espace", 0x2C},
    {58, "CapsLock", "Verr.maj", 0x39},
    {59, "F1", nullptr, 0x3A},
    {60, "F2", nullptr, 0x3B},
    {61, "F3", nullptr, 0x3C},
    {62, "F4", nullptr, 0x3D},
    {63, "F5", nullptr, 0x3E},
    {64, "F6", nullptr, 0x3F},
    {65, "F7", nullptr, 0x40},
    {66, "F8", nullptr, 0x41},
    {67, "F9", nullptr, 0x42},
    {68, "F10", nullptr, 0x43},
    {69, "Pause Break", nullptr, 0x48},
    {70, "Scroll Lock", nullptr, 0x47},
    {71, "Home", nullptr, 0x4A},
    {72, "Up", nullptr, 0x52},
    {73, "Page Up", nullptr, 0x4B},
    {74, "Num -", nullptr, 0x56},
    {75, "Left", nullptr, 0x50},
    {76, "Num 5", nullptr, 0x5D},
    {77, "Right", nullptr, 0x4F},
    {78, "Num +", nullptr, 0x57},
    {79, "End", nullptr, 0x4D},
    {80, "Down", nullptr, 0x51},
    {81, "Page Down", nullptr, 0x4E},
    {82, "Insert", nullptr, 0x49},
    {83, "Delete", nullptr, 0x4C},
    {87, "F11", nullptr, 0x44},
    {88, "F12", nullptr, 0x45},
    {91, "LWindows", nullptr, 0xE3},
    {92, "RWindows", nullptr, 0xE7},
    {93, "App", nullptr, 0x65},
    {224, "Num De", "Num Del", 0x63},
    {225, "Num Lock", nullptr, 0x53},
    {226, "Num /", nullptr, 0x54},
    {227, "Num *", nullptr, 0x55},
    {228, "Num 9", nullptr, 0x61},
    {229, "Num Enter", nullptr, 0x58},
    {230, "Num 1", nullptr, 0x59},
    {231, "Num 2", nullptr, 0x5A},
    {232, "Num 3", nullptr, 0x5B},
    {233, "Num 4", nullptr, 0x5C},
    {234, "Num 6", nullptr, 0x5E},
    {235, "Num 7", nullptr, 0x5F},
    {236, "Num 8", nullptr, 0x60},
    {237, "Num 0", nullptr, 0x62},
    {238, "RCtr", "RCtrl", 0xE4},
    {239, "RAlt", nullptr, 0xE6},
    {240, "Left Button", nullptr, 0},
    {241, "Right Button", nullptr, 0},
    {242, "Middle Button", nullptr, 0},
};

const KeyEntry* findKey(int keyCode)
{
    for (const KeyEntry& entry : kKeys) {
        if (entry.code == keyCode)
            return &entry;
    }
    return nullptr;
}

} // namespace

KeyTable::Labels KeyTable::labelsFor(int languageIndex, int frenchLanguageIndex)
{
    return (frenchLanguageIndex >= 0 && languageIndex == frenchLanguageIndex) ? Labels::French
                                                                              : Labels::English;
}

QString KeyTable::name(int keyCode, Labels labels)
{
    const KeyEntry* entry = findKey(keyCode);
    if (!entry)
        return QString();
    const char* text = (labels == Labels::French && entry->french) ? entry->french : entry->english;
    return QString::fromUtf8(text);
}

bool KeyTable::usageForKey(int keyCode, quint8& usage)
{
    const KeyEntry* entry = findKey(keyCode);
    if (!entry || entry->usage == 0)
        return false;
    usage = entry->usage;
    return true;
}

bool KeyTable::keyForUsage(int usage, quint8& keyCode)
{
    if (usage <= 0)
        return false;
    for (const KeyEntry& entry : kKeys) {
        if (entry.usage == usage) {
            keyCode = entry.code;
            return true;
        }
    }
    return false;
}

int KeyTable::usageCount()
{
    int count = 0;
    for (const KeyEntry& entry : kKeys)
        count += entry.usage != 0 ? 1 : 0;
    return count;
}
