#include "window1.h"
#include "ui_window1.h"

// Recording a sold coupon.
void Window1::BevelButton1_Action() {}
