#include <wx/image.h>

#include <gtest/gtest.h>

#include "draw/builtin_images.h"
#include "draw/xirr_bitmap.h"
#include "support/builtin_resources.h"

namespace {

// True when the image has both see-through and solid pixels.
bool has_real_alpha(const xirr_bitmap &b)
{
    bool clear = false, solid = false;
    for (int y = 0; y < b.GetHeight(); y++)
        for (int x = 0; x < b.GetWidth(); x++) {
            clear |= b.GetAlpha(x, y) == 0;
            solid |= b.GetAlpha(x, y) == 255;
        }
    return clear && solid;
}

} // namespace

TEST(builtin_images, all_seven_decode_at_their_sizes_with_alpha)
{
    ASSERT_EQ(load_builtin_images(), 7);
    ASSERT_NE(logo_image, nullptr);
    EXPECT_EQ(logo_image->GetWidth(), 192);
    EXPECT_EQ(logo_image->GetHeight(), 43);
    EXPECT_TRUE(has_real_alpha(*logo_image));
    ASSERT_NE(status_icons.lock_icon, nullptr);
    EXPECT_EQ(status_icons.lock_icon->GetWidth(), 21);
    EXPECT_EQ(status_icons.lock_icon->GetHeight(), 21);
    EXPECT_TRUE(has_real_alpha(*status_icons.lock_icon));
    for (int i = 0; i < xirr_status_icons::icon_count; i++) {
        ASSERT_NE(status_icons.icons[i], nullptr) << i;
        EXPECT_EQ(status_icons.icons[i]->GetWidth(), 17) << i;
        EXPECT_EQ(status_icons.icons[i]->GetHeight(), 17) << i;
        EXPECT_TRUE(has_real_alpha(*status_icons.icons[i])) << i;
    }
    // Loading again replaces the images instead of piling them up.
    EXPECT_EQ(load_builtin_images(), 7);
    free_builtin_images();
    EXPECT_EQ(logo_image, nullptr);
    EXPECT_EQ(status_icons.icons[4], nullptr);
}

TEST(builtin_images, the_resources_are_rgba_pngs)
{
    for (const char *name : {logo_image_name, lock_icon_name, status_icon_names[0],
                             status_icon_names[1], status_icon_names[2], status_icon_names[3],
                             status_icon_names[4]}) {
        const builtin_resource *r = find_builtin_resource(name);
        ASSERT_NE(r, nullptr) << name;
        ASSERT_GT(r->size, 26u);
        // IHDR: bit depth 8, colour type 6 (RGBA).
        EXPECT_EQ(r->data[24], 8) << name;
        EXPECT_EQ(r->data[25], 6) << name;
    }
}
