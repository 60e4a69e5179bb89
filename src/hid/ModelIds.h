// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The USB identity of the supported model, fixed when the program is built.
constexpr quint16 kModelVendorId = MOUSECFG_VENDOR_ID;
constexpr quint16 kModelReceiverProductId = MOUSECFG_RECEIVER_PRODUCT_ID;
constexpr quint16 kModelCableProductId = MOUSECFG_CABLE_PRODUCT_ID;
