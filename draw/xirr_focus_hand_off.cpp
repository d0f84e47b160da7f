#include "draw/xirr_focus_hand_off.h"

xirr_focus_hand_off *the_focus_hand_off = nullptr;
