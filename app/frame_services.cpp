#include "app/frame_services.h"

frame_services *the_frame_services = nullptr;
