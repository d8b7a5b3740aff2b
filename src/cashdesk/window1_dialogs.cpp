#include "window1.h"
#include "ui_window1.h"

// The rate dialog and the About window.
void Window1::BevelButton2_Action() {}

void Window1::PushButton4_Action() {}
