#include "window1.h"
#include "ui_window1.h"

// Cancelling a recorded coupon.
void Window1::BevelButton3_Action() {}
