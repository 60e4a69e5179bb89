// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

struct ButtonAssignment;
class MacroNameTable;
class SensorTables;

// Turns one button record into its four bytes in the button table.
class ButtonEncoder
{
public:
    ButtonEncoder(int sensorType, const SensorTables& tables, MacroNameTable& macroNames);

    // A macro button receives its macro slot number here (also kept in
    // Res4 of the record).
    void encode(ButtonAssignment& button, quint8 out[4]);

private:
    void encodeSingleKey(const ButtonAssignment& button, quint8 out[4]) const;
    void encodeKeyCombination(const ButtonAssignment& button, quint8 out[4]) const;
    void encodeFireKey(const ButtonAssignment& button, quint8 out[4]) const;
    void encodeSniper(const ButtonAssignment& button, quint8 out[4]) const;
    void encodeMacro(ButtonAssignment& button, quint8 out[4]);

    const int m_sensorType;
    const SensorTables& m_tables;
    MacroNameTable& m_macroNames;
};
