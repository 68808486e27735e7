#pragma once
// ATK's toolkit hooks, which a toolkit fills in for the AT-SPI bridge: the
// root object, the toolkit's name, and the listeners through which the
// bridge hears of every signal an ATK object emits.

#include <atk/atk.h>

namespace okit {

void install_atk_util(AtkObject* root);

}  // namespace okit
