// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct ProfileData;
struct ProfileSet;
class ProductDescription;

// Factory values of profiles: from the model's product description when the
// file exists, else built-in values.
class ProfileDefaults
{
public:
    static void resetProfile(ProfileData& profile, const ProductDescription& product);
    // Factory sensor settings (left as they are without a product
    // description; the count byte never changes), profile 0 current, every
    // slot reset and the slots named "Profile 1" to "Profile 5".
    static void resetAll(ProfileSet& set, const ProductDescription& product);
};
