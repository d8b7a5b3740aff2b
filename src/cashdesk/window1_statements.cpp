#include "window1.h"
#include "ui_window1.h"

#include "statements/selectvendor.h"
#include "statements/utilities.h"

// The seller sheet and the utilities.
void Window1::PushButton3_Action() { SelectVendor::instance()->Show(); }

void Window1::BevelButton4_Action() { utilities::instance()->Show(); }
