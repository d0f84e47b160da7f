#include "input/button_bar_services.h"

button_bar_services *the_button_bar_services = nullptr;
