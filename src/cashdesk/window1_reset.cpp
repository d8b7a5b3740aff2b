#include "window1.h"
#include "ui_window1.h"

// Starting a new fair's register.
void Window1::PushButton5_Action() {}
