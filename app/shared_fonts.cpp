#include "app/shared_fonts.h"

#include <wx/font.h>

#include "config/skiff_config.h"
#include "draw/button_fonts.h"
#include "draw/xirr_font.h"

xirr_font *main_font = nullptr;
xirr_font *small_fixed_font = nullptr;
xirr_font *fixed_font = nullptr;

void create_shared_fonts(int main_point_size)
{
    if (main_font)
        return;
    if (main_point_size < 1)
        main_point_size = 8;
    main_font = new xirr_font(main_point_size, wxFONTFAMILY_MODERN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    small_fixed_font = new xirr_font(6, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    fixed_font = new xirr_font(8, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    set_button_fonts(fixed_font, small_fixed_font);
    std::string main_description(main_font->GetNativeFontInfoDesc().mb_str(wxConvISO8859_1));
    std::string button_description(fixed_font->GetNativeFontInfoDesc().mb_str(wxConvISO8859_1));
    SkiffConfig::instance().set_default_fonts(main_description.c_str(), main_point_size,
                                              button_description.c_str(), 8);
}
