// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The English label of a button function code, as the function catalogue
// shows it (untranslated: callers that show it translate it). Codes 52 and
// 53 name wheel functions; an unknown code gives an empty string.
class FunctionNames
{
public:
    static QString label(int function);
};
