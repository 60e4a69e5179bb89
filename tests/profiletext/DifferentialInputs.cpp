// SPDX-License-Identifier: GPL-3.0-or-later
#include "DifferentialInputs.h"

#include <QColor>
#include <QList>

#include <limits>

namespace {

const QByteArray kColour = "@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x12\\x12\\x34\\x34VV\\0\\0)";

// Values that a number, a text or a colour field each read in its own way.
const QList<QByteArray> kValues = {"",
                                   " ",
                                   "7",
                                   " 7 ",
                                   "+5",
                                   "-1",
                                   "-0",
                                   "007",
                                   "0x10",
                                   "1e3",
                                   "1.5",
                                   "255",
                                   "256",
                                   "-129",
                                   "2147483648",
                                   "-2147483649",
                                   "4294967295",
                                   "4294967296",
                                   "99999999999999999999",
                                   "-9223372036854775808",
                                   "18446744073709551615",
                                   "12abc",
                                   "\"42\"",
                                   "\" 42 \"",
                                   "4,2",
                                   "1, 2",
                                   "a, b",
                                   "@@1",
                                   "@String(3)",
                                   kColour,
                                   "@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff)",
                                   "a, " + kColour,
                                   "@ByteArray(1)",
                                   "@Invalid()",
                                   "#ff8000",
                                   "red",
                                   "notacolour",
                                   "\\x33",
                                   "\\063",
                                   "\\n",
                                   "caf\\xe9",
                                   "caf\xc3\xa9",
                                   "caf\xe9",
                                   "\"a;b\"",
                                   "x;comment",
                                   "=",
                                   "a=b",
                                   "\\",
                                   "\"open",
                                   "1\t",
                                   "\xd9\xa3",
                                   "\xef\xbc\x93",
                                   "\"a\" b",
                                   "x\\\ny",
                                   "\"line\nbreak\""};

const QList<QByteArray> kSections = {
    "[PROFILE]",   "[General]", "[%General]", "[general]", "[MouseName]", "[PROFILE\\LedMode]",
    "[PROF%49LE]", "[profile]", "[]",         "[/x]",      "[PROFILE_0]", "[ PROFILE ]",
    "[Z]",         "[A]",       "[\xc3\xa9]", "[PROFILE"};

const QList<QByteArray> kJunk = {
    "junk", "=novalue", "]",    ";comment", "a\\\nb=1", "  ", "\"q=1\"=2", "BUTTON_INFO_0_ID",
    "x%=1", "%U00e9=2", "/x=3", "x=4",      "\\y=5",    "y=6"};

// One key in another form that IniText reads as the same name, or as a
// near one.
QByteArray otherKeyForm(QByteArray key, QRandomGenerator& random)
{
    if (key.isEmpty())
        return key;
    const int at = random.bounded(key.size());
    switch (random.bounded(7)) {
    case 0:
        return key.replace('\\', '/');
    case 1:
        return key.left(at) + '%' +
               QByteArray::number(uchar(key.at(at)), 16).toUpper().rightJustified(2, '0') + key.mid(at + 1);
    case 2:
        return key.toLower();
    case 3:
        return key + (random.bounded(2) ? " " : "\t");
    case 4:
        return key.replace("_1", "_01");
    case 5:
        return key.replace('\\', "%2F");
    default:
        return key.replace('\\', "%5C");
    }
}

QByteArray mutatedLine(const QByteArray& line, QRandomGenerator& random)
{
    const int equals = line.indexOf('=');
    if (equals < 0)
        return line;
    const QByteArray key = line.left(equals);
    if (random.bounded(2))
        return key + '=' + kValues.at(random.bounded(kValues.size()));
    // Moved to the top level, under its whole "section/key" name.
    if (random.bounded(4) == 0)
        return "[General]\nPROFILE\\" + key + line.mid(equals) + "\n[PROFILE]";
    return otherKeyForm(key, random) + line.mid(equals);
}

} // namespace

namespace DifferentialInputs {

QVector<QByteArray> handMadeTexts()
{
    QVector<QByteArray> texts = {
        "[PROFILE]\ndpi=3\ndpi=5\n",
        "[PROFILE]\ndpi=3\ndpi=" + kColour + "\nLedMoveOFF=@Rect(1 2 3 4)\n",
        "[PROFILE]\ndpi=9\nLedMode=14\n[PROFILE]\npollrate=2\n",
        "[General]\nPROFILE\\dpi=4\nPROFILE%2FLedMode=3\n[PROFILE]\ndpi=2\n",
        "[PROFILE\\LedMode]\nLED_MODE_3_RGB=" + kColour + "\nLED_MODE_3_h=300\n",
        "[PROF%49LE]\nacee=7\n[profile]\nacee=8\n[%General]\nx=1\n",
        "[PROFILE]\nLedMode/LED_MODE_2_RGB=#00ff00\nLedMode%5CLED_MODE_2_h=5\nLedMode\\LED_MODE_2_s=6\n",
        "[PROFILE]\nBUTTON_INFO_01_ID=1\nBUTTON_INFO_42_ID=2\nBUTTON_INFO_0_KeyInfo_84_=3\n"
        "LedMode\\LED_MODE_14_h=4\nbutton_info_0_id=5\nBUTTON_INFO_0_KeyInfo_0_=6\n",
        "\xEF\xBB\xBF[PROFILE]\r\ndpi=6\r\nBUTTON_INFO_3_macroname=a, b ,c\r\n",
        "[PROFILE]\nProfileName=\"quoted, kept\" tail\nProfilePath=line\\\ncontinued\n",
        "[PROFILE]\nProfileName=\"spans\nlines\"\ndpi=1;comment\n; whole line\n  pollrate = 4 \n",
        "[PROFILE]\nProfileName=@String(a\\0b)\nProfilePath=@@lead\nBUTTON_INFO_0_macroname=\\x4e2d\\101\n",
        "[PROFILE]\nLedMode\\LED_MODE_0_RGB=red\nLedMode\\LED_MODE_1_RGB=a, b\nLedMode\\LED_MODE_2_RGB=12\n",
        "[PROFILE]\n=novalue\nnoequals\n[\n]\ndpi\n",
        "[General]\n/x=1\nx=2\n\\y=3\ny=4\n[]\nz=5\n[/]\nz=6\n",
        "[PROFILE]\ncaf\xc3\xa9=1\ncaf\xe9=2\n%U00e9=3\n[\xc3\xa9]\nk=4\n[MouseName]\nName=Wren W8\n",
        "[PROFILE]\nLedMoveOFF=1\nLedSleepTime=9\n[PROFILE_0]\nLedMoveOFF=2\ndpi=4\n",
        "[PROFILE]\nDPI_INFO_0_xy=4294967295\nDPI_INFO_0_x=-1\nDPI_INFO_0_y=18446744073709551616\n"
        "BUTTON_INFO_0_LoopNumber=-2147483649\nBUTTON_INFO_0_Fun=2147483648\n",
    };
    const char withNul[] = "[PROFILE]\ndpi=2\0x\nacee=3\n";
    texts.append(QByteArray(withNul, sizeof withNul - 1));
    for (const QByteArray& value : kValues)
        texts.append("[PROFILE]\ndpi=" + value + "\nDPI_INFO_1_x=" + value + "\nBUTTON_INFO_2_ID=" + value +
                     "\nProfileName=" + value + "\nLedMode\\LED_MODE_4_RGB=" + value + "\n");
    return texts;
}

QByteArray mutated(const QByteArray& text, int count, QRandomGenerator& random)
{
    QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < count && !lines.isEmpty(); ++i) {
        const int at = random.bounded(lines.size());
        switch (random.bounded(8)) {
        case 0:
            lines.removeAt(at);
            break;
        case 1:
            lines.insert(random.bounded(lines.size()), lines.at(at));
            break;
        case 2:
        case 3:
            lines[at] = mutatedLine(lines.at(at), random);
            break;
        case 4:
            lines.insert(at, kJunk.at(random.bounded(kJunk.size())));
            break;
        case 5:
            lines.insert(at, kSections.at(random.bounded(kSections.size())));
            break;
        case 6:
            lines[at] += random.bounded(2) ? "\r" : "\\";
            break;
        default:
            if (!lines.at(at).isEmpty())
                lines[at][random.bounded(lines.at(at).size())] = "=;\"\\[]%,@ \t"[random.bounded(11)];
        }
    }
    return lines.join('\n');
}

ProfileData record(int seed)
{
    static const QStringList texts = {QString(),
                                      QStringLiteral(" lead"),
                                      QStringLiteral("trail "),
                                      QStringLiteral("a, b"),
                                      QStringLiteral("quote\"d"),
                                      QStringLiteral("back\\slash"),
                                      QStringLiteral("semi;colon"),
                                      QStringLiteral("eq=ual"),
                                      QStringLiteral("tab\there\nnew line"),
                                      QStringLiteral("@at"),
                                      QStringLiteral("@@at"),
                                      QString::fromUtf8("nul\0mid", 7),
                                      QString::fromUtf8("caf\xc3\xa9"
                                                        "a1"),
                                      QString::fromUtf8("\xe7\xae\x80\xe4\xbd\x93"),
                                      QString::fromUtf8("\xf0\x9f\x98\x80 smile"),
                                      QString::fromUtf8("\xc3\xbf\xc4\x80"),
                                      QStringLiteral("\x01"
                                                     "ctrl\x7f"),
                                      QStringLiteral("12"),
                                      QStringLiteral("#ff0000"),
                                      QStringLiteral("C:\\path\\x.prof")};
    const QColor colours[] = {QColor(),
                              QColor(1, 2, 3),
                              QColor::fromHsv(120, 200, 100),
                              QColor::fromCmyk(1, 2, 3, 4),
                              QColor::fromHsl(10, 20, 30, 40),
                              QColor::fromRgbF(0.1, 0.2, 0.3).toExtendedRgb(),
                              QColor(255, 0, 0, 0)};
    auto byte = [&](int n) { return quint8((seed * 37 + n * 11) % 256); };
    ProfileData p;
    p.pollrate = byte(1);
    p.dpi = quint8(seed % ProfileData::kStages);
    p.LedMode = quint8(seed % ProfileData::kLedModes);
    p.LedMoveOFF = byte(2);
    p.LedSleepTime = byte(3);
    for (int n = 0; n < ProfileData::kStages; ++n)
        p.stages[n] = {byte(n + 4), byte(n + 5), quint32(0xFFFFFFFFu - quint32(n + seed)), quint32(n * 1000),
                       quint32(seed)};
    p.mousespeed = byte(20);
    p.acee = byte(25);
    for (int b = 0; b < ProfileData::kButtons; ++b) {
        ButtonAssignment& button = p.buttons[b];
        button.ID = b % 3 == 0 ? std::numeric_limits<qint32>::min() + b : b - seed;
        button.Fun = std::numeric_limits<qint32>::max() - b;
        button.LoopNumber = -b * 1000;
        button.KeyNumber = b * 3 + seed;
        for (int k = 0; k < ButtonAssignment::kSteps; ++k)
            button.KeyInfo[k] = {byte(b * 84 + k), byte(b + k), byte(b * k)};
        button.Res1 = byte(b + 30);
        button.Res4 = byte(b + 33);
        button.macroname = texts.at((seed + b) % texts.size());
    }
    for (int m = 0; m < ProfileData::kLedModes; ++m)
        p.leds[m] = {colours[(seed + m) % 7], quint32(m + 360), quint32(m),
                     quint32(seed),           quint32(m % 4),   quint32(0x80000000u + quint32(m))};
    p.ProfileName = texts.at(seed % texts.size());
    p.ProfilePath = texts.at((seed * 7 + 3) % texts.size());
    return p;
}

} // namespace DifferentialInputs
